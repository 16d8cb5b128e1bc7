#include "platform/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kluvian {
namespace {

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString captionOrTitle(std::string_view caption) {
    return caption.empty() ? QApplication::applicationName() : fromUtf8(caption);
}

QMessageBox::Icon iconOf(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Warning:
        return QMessageBox::Warning;
    case DialogIcon::Error:
        return QMessageBox::Critical;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::ShowMessage(std::string_view caption, std::string_view text, DialogIcon icon) {
    QMessageBox box(iconOf(icon), captionOrTitle(caption), fromUtf8(text), QMessageBox::Ok);
    box.exec();
}

std::optional<std::string> QtDialogs::AskText(std::string_view caption, std::string_view prompt,
                                              int maxLength) {
    QInputDialog dialog;
    dialog.setWindowTitle(captionOrTitle(caption));
    dialog.setLabelText(fromUtf8(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue({});
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(maxLength);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

bool QtDialogs::AskYesNo(std::string_view caption, std::string_view text,
                         const QuestionButtons& buttons) {
    QMessageBox box(QMessageBox::Question, captionOrTitle(caption), fromUtf8(text),
                    QMessageBox::NoButton);
    QPushButton* yes = box.addButton(fromUtf8(buttons.yes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(fromUtf8(buttons.no), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    // The close box, too, answers with the escape button.
    box.setEscapeButton(buttons.escapeMeansYes ? yes : no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace kluvian
