#pragma once

#include <QScrollArea>

namespace vireo {

// Holds the editor part of the main window (the car and the table side) above the timeline.
// It asks for the editor part's full size and width, yet the line to the timeline may make it
// shorter than that: then it scrolls up and down, and everything in it keeps its size and place.
class EditorScrollArea : public QScrollArea {
    Q_OBJECT
  public:
    explicit EditorScrollArea(QWidget* parent = nullptr);

    // The widget that ends the editor part's first line: the line to the timeline may come up
    // to just below it.
    void setFirstLine(QWidget* line) { firstLine_ = line; }

    // The editor part's own size.
    QSize sizeHint() const override;
    // As wide as the editor part needs beside a vertical scroll bar; as high as its first line.
    QSize minimumSizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* firstLine_ = nullptr;
};

}  // namespace vireo
