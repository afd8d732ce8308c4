#include "QtMenuBar.h"

#include "EventDispatch.h"
#include "MenuItem.h"
#include "QtText.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <map>

namespace {

// What the standard edit entries do to a line edit.
const std::map<std::string, std::function<void(QLineEdit&)>, std::less<>>& EditCommands() {
    static const std::map<std::string, std::function<void(QLineEdit&)>, std::less<>> commands = {
        {"EditUndo",
         [](QLineEdit& field) {
             field.undo();
         }},
        {"EditCut",
         [](QLineEdit& field) {
             field.cut();
         }},
        {"EditCopy",
         [](QLineEdit& field) {
             field.copy();
         }},
        {"EditPaste",
         [](QLineEdit& field) {
             field.paste();
         }},
        {"EditClear",
         [](QLineEdit& field) {
             field.del();
         }},
        {"EditSelectAll",
         [](QLineEdit& field) {
             field.selectAll();
         }},
    };
    return commands;
}

void Choose(MenuItem& item) {
    RunEventHandler(item.Name() + ".Action", [&item] {
        const auto command = EditCommands().find(item.Name());
        if (!item.Action.IsAttached() && command != EditCommands().end()) {
            if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                command->second(*field);
            }
            return;
        }
        item.Choose();
    });
}

// "Cmd+Q" names the command modifier, which is Ctrl here.
QKeySequence Shortcut(const std::string& text) {
    QString keys = ToQString(text);
    keys.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    return QKeySequence(keys);
}

void AddEntries(QMenu& menu, MenuItem& parent) {
    for (std::int32_t index = 0; index < parent.Count(); ++index) {
        MenuItem& item = *parent.Item(index);
        if (item.IsSeparator()) {
            menu.addSeparator();
        } else if (item.Count() > 0) {
            AddEntries(*menu.addMenu(ToQString(item.Text())), item);
        } else {
            QAction* action = menu.addAction(ToQString(item.Text()));
            action->setShortcut(Shortcut(item.KeyboardShortcut()));
            QObject::connect(action, &QAction::triggered, [&item] { Choose(item); });
        }
    }
}

} // namespace

QMenuBar* BuildQtMenuBar(MenuBar& bar) {
    auto* menuBar = new QMenuBar();
    for (std::int32_t index = 0; index < bar.Count(); ++index) {
        MenuItem& menu = *bar.Item(index);
        AddEntries(*menuBar->addMenu(ToQString(menu.Text())), menu);
    }
    return menuBar;
}
