#include "app/widgets/elided_label.h"

#include <QFontMetrics>


namespace wrk7 {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetFullText(const QString& text) {
    fullText_ = text;
    setToolTip(fullText_);
    Elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void ElidedLabel::Elide() {
    setText(fontMetrics().elidedText(fullText_, Qt::ElideMiddle, std::max(contentsRect().width(), 0)));
}

}  // namespace wrk7
