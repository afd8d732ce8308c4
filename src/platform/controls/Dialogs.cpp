#include "Dialogs.h"

#include "Exceptions.h"
#include "QtText.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace {

DialogScript* currentScript = nullptr;

std::unique_ptr<FolderItem> FromDialog(const QString& chosen) {
    if (chosen.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(
        std::filesystem::path(QFile::encodeName(chosen).toStdString()));
}

std::unique_ptr<FolderItem> ScriptedAnswer(DialogScript& script) {
    std::optional<std::filesystem::path> answer = script.NextAnswer();
    return answer ? std::make_unique<FolderItem>(*answer) : nullptr;
}

} // namespace

DialogScript::DialogScript() {
    if (currentScript != nullptr) {
        throw RuntimeException("Dialogs are already scripted.");
    }
    currentScript = this;
}

DialogScript::~DialogScript() {
    currentScript = nullptr;
}

DialogScript* DialogScript::Current() {
    return currentScript;
}

void DialogScript::QueueFile(std::filesystem::path path) {
    answers_.emplace_back(std::move(path));
}

void DialogScript::QueueCancel() {
    answers_.emplace_back(std::nullopt);
}

std::optional<std::filesystem::path> DialogScript::NextAnswer() {
    if (answers_.empty()) {
        throw RuntimeException("A file dialog opened with no answer queued.");
    }
    std::optional<std::filesystem::path> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void MsgBox(std::string_view text) {
    if (DialogScript* script = DialogScript::Current()) {
        script->Record(text);
        return;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(ToQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::unique_ptr<FolderItem> GetOpenFolderItem(std::string_view filter) {
    if (DialogScript* script = DialogScript::Current()) {
        return ScriptedAnswer(*script);
    }
    return FromDialog(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                   QString(), ToQString(filter)));
}

std::unique_ptr<FolderItem> GetSaveFolderItem(std::string_view filter,
                                              std::string_view defaultName) {
    if (DialogScript* script = DialogScript::Current()) {
        script->RecordProposedName(defaultName);
        return ScriptedAnswer(*script);
    }
    return FromDialog(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                   ToQString(defaultName), ToQString(filter)));
}
