#include "qt_message_dialog.h"

#include <QApplication>
#include <QMessageBox>

#include "control_view.h"

namespace kavinor::qt {

void QtMessageDialog::show(const std::string& text, int style, const std::string& title) {
    // The style's icon digit: 16 stop, 64 information.
    const int iconStyle = style & 0x70;
    const QMessageBox::Icon icon = iconStyle == platform::kStyleStop ? QMessageBox::Critical
                                   : iconStyle == platform::kStyleInformation
                                       ? QMessageBox::Information
                                       : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(title), captionText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace kavinor::qt
