#pragma once

// Pressing a button whose action asks for a file, with the dialogs scripted.

#include "Dialogs.h"
#include "PushButton.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// Chooses the file in the next file dialog and presses the button; returns
// the messages it showed.
inline std::vector<std::string> PressWithFile(DialogScript& dialogs, PushButton& button,
                                              const std::filesystem::path& file) {
    const std::size_t shownBefore = dialogs.Messages().size();
    dialogs.QueueFile(file);
    button.Push();
    return {dialogs.Messages().begin() + static_cast<std::ptrdiff_t>(shownBefore),
            dialogs.Messages().end()};
}
