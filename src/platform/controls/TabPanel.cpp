#include "TabPanel.h"

#include "Exceptions.h"
#include "ItemList.h"
#include "QtText.h"
#include "Window.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

// A page tells its window when it moves or changes size, so that the controls
// on it, placed in window coordinates, are placed again.
class TabPage : public QWidget {
public:
    explicit TabPage(Window* window)
        : window_(window) {}

protected:
    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        if (window_ != nullptr &&
            (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
            window_->PlaceControls();
        }
        return handled;
    }

private:
    Window* window_;
};

} // namespace

TabPanel::TabPanel(Window* window)
    : RectControl(window)
    , tabs_(std::make_unique<QTabWidget>()) {}

TabPanel::~TabPanel() = default;

void TabPanel::TabDefinition(std::string_view titles) {
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
    for (std::string_view title : SplitItems(titles, "\r\t")) {
        tabs_->addTab(new TabPage(ParentWindow()), ToQString(title));
    }
}

std::int32_t TabPanel::PageCount() const {
    return tabs_->count();
}

std::string TabPanel::PageTitle(std::int32_t page) const {
    return FromQString(tabs_->tabText(page));
}

std::int32_t TabPanel::Value() const {
    return tabs_->currentIndex();
}

void TabPanel::Value(std::int32_t page) {
    if (page < 0 || page >= tabs_->count()) {
        throw OutOfBoundsException("The tab panel has no page " + std::to_string(page) + ".");
    }
    tabs_->setCurrentIndex(page);
}

QWidget* TabPanel::Page(std::int32_t page) const {
    if (page < 0 || page >= tabs_->count()) {
        throw OutOfBoundsException("The tab panel has no page " + std::to_string(page) + ".");
    }
    return tabs_->widget(page);
}

QWidget* TabPanel::Widget() const {
    return tabs_.get();
}

void TabPanel::SmallTabs(bool value) {
    smallTabs_ = value;
    // Only the size is set on the tab bar: family and style still follow the
    // panel's font.
    QFont font;
    if (value) {
        constexpr double smallShare = 0.85;
        const QFont& panelFont = tabs_->font();
        if (panelFont.pointSizeF() > 0) {
            font.setPointSizeF(panelFont.pointSizeF() * smallShare);
        } else {
            font.setPixelSize(std::max(1, qRound(panelFont.pixelSize() * smallShare)));
        }
    }
    tabs_->tabBar()->setFont(font);
}

const PropertyTable<TabPanel>& TabPanel::DesignProperties() {
    static const PropertyTable<TabPanel> table =
        PropertyTable<TabPanel>(RectControl::DesignProperties())
            .Text("TabDefinition", &TabPanel::TabDefinition)
            .Boolean("SmallTabs", &TabPanel::SmallTabs)
            .Integer("Value", &TabPanel::Value);
    return table;
}

void TabPanel::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
}
