#pragma once

#include <QDialog>

class QComboBox;

namespace vireo {

// frmLanguage: asks for the language on the first start.
class LanguageChooser : public QDialog {
    Q_OBJECT
  public:
    explicit LanguageChooser(const QStringList& languages, QWidget* parent = nullptr);
    QString language() const;

  private:
    QComboBox* comLanguage_;
};

}  // namespace vireo
