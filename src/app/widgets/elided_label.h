#pragma once
#include <QLabel>

namespace wrk7 {

// A label for a long text such as a file path: when the text does not fit,
// its middle is left out (so the start and the file name stay readable) and
// the whole text is the tool tip. It never asks for more width than it gets.
// A message of the catalog is shown in the window's language.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    const QString& FullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();

    QString fullText_;
};

}  // namespace wrk7
