#include "qt_save_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace kavinor::qt {

void QtSaveDialog::setFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    nameFilters_.clear();
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses; a description that shows them already
        // serves as it is.
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        nameFilters_ << (parts[i].contains(shown) ? parts[i] : parts[i] + QLatin1Char(' ') + shown);
    }
}

bool QtSaveDialog::showSave() {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(nameFilters_);
    if (filterIndex_ >= 1 && filterIndex_ <= nameFilters_.size()) {
        dialog.selectNameFilter(nameFilters_[filterIndex_ - 1]);
    }
    if (!fileName_.empty()) dialog.selectFile(QFile::decodeName(fileName_.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName_ = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    return true;
}

}  // namespace kavinor::qt
