#pragma once

// A tab panel: pages under tabs, one shown at a time. Controls name the panel
// as their initial parent and the page by its number counted from 1.

#include "RectControl.h"

#include <memory>

class QTabWidget;

class TabPanel : public RectControl {
public:
    explicit TabPanel(Window* window);
    ~TabPanel() override;

    // The page titles, separated by CR (or TAB); one page for each.
    void TabDefinition(std::string_view titles);
    std::int32_t PageCount() const;
    std::string PageTitle(std::int32_t page) const;

    // The page shown, counted from 0.
    std::int32_t Value() const;
    void Value(std::int32_t page);

    // The widget of the page, counted from 0.
    QWidget* Page(std::int32_t page) const;

    // Tabs in a smaller text than the panel's.
    bool SmallTabs() const { return smallTabs_; }
    void SmallTabs(bool value);

    QWidget* Widget() const override;

    static const PropertyTable<TabPanel>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

private:
    std::unique_ptr<QTabWidget> tabs_;
    bool smallTabs_ = false;
};
