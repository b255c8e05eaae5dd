#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

#include "platform/clock.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vireo {

class LanguageTable;

// The about box: version, maker, two links and a picture that a light beam draws column by
// column half a second after the box opens. Meant to be created for each showing.
class FrmInfo : public QDialog {
    Q_OBJECT

  public:
    // Opens a link target: the web link passes its target ("www.…", to be opened by the link
    // rules, maximised), the mail link passes "mailto:<address>?Subject=&Body=".
    using LinkOpener = std::function<void(const QString& target)>;

    static constexpr int kWidth = 566;  // client area in pixels
    static constexpr int kHeight = 298;

    // `table` gives every caption; the maker line is text::DevelopedBy followed by the maker.
    FrmInfo(const LanguageTable& table, LinkOpener openLink, Clock& clock = systemClock(),
            QWidget* parent = nullptr);

    // The caption pass: cmdEnde from text::Close and the maker line as at load.
    void applyCaptions(const LanguageTable& table);

    // Timer1's work: the beam animation, then the picture, a short look, the beams cleared.
    void runAnimation();

    bool isClosing() const { return closing_; }
    // What the beams have drawn on the background (transparent where nothing is).
    const QImage& beamLayer() const { return beams_; }
    // The source picture the beams project.
    const QImage& picture() const { return picture_; }

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Draws column x of the picture from the beam origin, then the next one after a moment; after
    // the last, the picture itself.
    void drawBeamColumn(int x);
    void showPictureAfterBeams();
    QLineEdit* makeLink(const QString& name, const QString& text, const QString& target);
    void styleLink(QLineEdit* link, bool hovered);
    void openLink(QLineEdit* link);

    Clock& clock_;
    LinkOpener openLink_;
    QImage picture_;
    QImage beams_;
    bool closing_ = false;
    bool drawn_ = false;

    QLabel* labSW_Version_ = nullptr;
    QLabel* labSoftware_ = nullptr;
    QLabel* labInternet_ = nullptr;
    QLabel* labMail_ = nullptr;
    QLineEdit* txtHyperlink_ = nullptr;
    QLineEdit* txtE_Mail_ = nullptr;
    QLabel* picture1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QPushButton* cmdEnde_ = nullptr;
};

}  // namespace vireo
