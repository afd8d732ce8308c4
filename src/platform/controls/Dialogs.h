#pragma once

// Modal dialogs: the message box and the file dialogs. A test can script them:
// while a DialogScript is alive nothing is shown, each file dialog answers
// with the next queued file (or cancel), and each message is recorded.

#include "FolderItem.h"

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Shows the text in a modal message box and returns when the user dismisses it.
void MsgBox(std::string_view text);

// A modal dialog to choose an existing file; nullptr when the user cancels.
// The filter names the file types offered; the empty filter offers all files.
std::unique_ptr<FolderItem> GetOpenFolderItem(std::string_view filter);

// A modal dialog to name a file to write, proposing defaultName; nullptr when
// the user cancels.
std::unique_ptr<FolderItem> GetSaveFolderItem(std::string_view filter,
                                              std::string_view defaultName);

class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The next file dialog returns this file.
    void QueueFile(std::filesystem::path path);
    // The next file dialog is cancelled.
    void QueueCancel();

    // Every message shown so far, in order.
    const std::vector<std::string>& Messages() const { return messages_; }
    // The default names the save dialogs proposed, in order.
    const std::vector<std::string>& ProposedNames() const { return proposedNames_; }

    // The script in force, or nullptr when dialogs are shown for real.
    static DialogScript* Current();

    std::optional<std::filesystem::path> NextAnswer();
    void Record(std::string_view message) { messages_.emplace_back(message); }
    void RecordProposedName(std::string_view name) { proposedNames_.emplace_back(name); }

private:
    std::deque<std::optional<std::filesystem::path>> answers_;
    std::vector<std::string> messages_;
    std::vector<std::string> proposedNames_;
};
