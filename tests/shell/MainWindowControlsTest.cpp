#include "CheckBox.h"
#include "Label.h"
#include "Listbox.h"
#include "MainWindowFixture.h"
#include "PopupMenu.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "TabPanel.h"
#include "TextField.h"
#include "WndMainRbtImport.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeView>

#include <numeric>

namespace {

using Messages = std::vector<std::string>;

struct Growth {
    int left, top, width, height;
};

// Each control's bounds at the window's design size, and how they change
// when the window grows by dx, dy.
struct DesignedBounds {
    RectControl* control;
    QRect bounds;
    Growth growth;
};

class MainWindowControlsTest : public MainWindowFixture {
protected:
    // The control's place and size in the window's content area.
    QRect InWindow(const RectControl& control) const {
        const QWidget* widget = control.Widget();
        return {widget->mapTo(window->ContentArea(), QPoint(0, 0)), widget->size()};
    }

    std::vector<DesignedBounds> AllControls(int dx, int dy) const {
        const WndMain& w = *window;
        return {
            {w.BtnImport(), {9, 12, 99, 20}, {}},
            {w.BtnExportGPX(), {9, 38, 104, 20}, {}},
            {w.ChkModify(), {9, 69, 178, 20}, {}},
            {w.BtnExportCSV(), {125, 38, 108, 20}, {}},
            {w.StaticText1(), {9, 512, 595, 19}, {0, dy, 0, 0}},
            {w.PumModify(), {199, 68, 541, 20}, {0, 0, dx, 0}},
            {w.TabPanel1(), {9, 94, 780, 412}, {0, 0, dx, dy}},
            {w.LbxCaches(), {20, 127, 760, 370}, {0, 0, dx, dy}},
            {w.EdfFilterOwner(), {287, 146, 200, 22}, {}},
            {w.ChkFilterOwner(), {20, 147, 265, 20}, {}},
            {w.ChkNoUnknowns(), {20, 179, 160, 20}, {}},
            {w.RbtImport(0), {125, 12, 78, 20}, {}},
            {w.RbtImport(1), {208, 12, 56, 20}, {}},
            {w.RbtImport(2), {276, 12, 100, 20}, {}},
        };
    }

    void ExpectBounds(int dx, int dy) const {
        for (const DesignedBounds& designed : AllControls(dx, dy)) {
            SCOPED_TRACE(designed.control->Name());
            const Growth& g = designed.growth;
            EXPECT_EQ(InWindow(*designed.control),
                      designed.bounds.adjusted(g.left, g.top, g.left + g.width, g.top + g.height));
        }
    }

    Messages Press(PushButton* button) {
        const std::size_t shownBefore = dialogs.Messages().size();
        dialogs.QueueCancel();
        button->Push();
        return {dialogs.Messages().begin() + static_cast<std::ptrdiff_t>(shownBefore),
                dialogs.Messages().end()};
    }
};

class PlainWindow : public Window {
public:
    std::string ClassName() const override { return "PlainWindow"; }
};

} // namespace

TEST_F(MainWindowControlsTest, AFreshWindowShowsTheDesignedWindowAndControls) {
    EXPECT_EQ(window->Title(), "Orlimex 0.3a1");
    const QWidget& content = *window->ContentArea();
    EXPECT_EQ(content.size(), QSize(800, 540));
    EXPECT_EQ(content.minimumSize(), QSize(640, 400));
    EXPECT_EQ(content.maximumSize(), QSize(32000, 32000));
    const Qt::WindowFlags flags = window->Widget()->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(window->Widget()->isVisible());

    ExpectBounds(0, 0);

    EXPECT_TRUE(window->RbtImport(1)->Value());
    EXPECT_FALSE(window->RbtImport(0)->Value() || window->RbtImport(2)->Value());
    EXPECT_TRUE(window->ChkNoUnknowns()->Value());
    EXPECT_FALSE(window->ChkModify()->Value() || window->ChkFilterOwner()->Value());
    const PopupMenu& layouts = *window->PumModify();
    EXPECT_EQ(layouts.ListIndex(), 0);
    ASSERT_EQ(layouts.ListCount(), 2);
    EXPECT_EQ(layouts.List(1), "Change GCCode to active, type, D/T/S and add GCCode to name");
    EXPECT_EQ(window->EdfFilterOwner()->Text(), "");

    EXPECT_EQ(window->TabPanel1()->Value(), 0);
    EXPECT_EQ(window->TabPanel1()->PageTitle(0), "Caches");
    EXPECT_TRUE(window->LbxCaches()->Widget()->isVisible());
    EXPECT_FALSE(window->ChkNoUnknowns()->Widget()->isVisible());

    const Label& notice = *window->StaticText1();
    EXPECT_EQ(notice.Text(), "(C) 2026 Velquarn - This is alpha software!  -  Only for testing "
                             "purpose - May crash or produce unexpected results.");
    EXPECT_EQ(notice.TextColor(), Color::FromRGB(0x7F0902));
    // The whole notice fits the label's width at the start size.
    const QFont& font = notice.Widget()->font();
    EXPECT_EQ(font.pixelSize(), 9);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(QString::fromStdString(notice.Text())),
              notice.Widget()->contentsRect().width());
    EXPECT_EQ(notice.Widget()->width(), 595);
}

TEST_F(MainWindowControlsTest, TheCacheListShowsNineteenHeadedColumnsSharingItsWidth) {
    const auto& view = static_cast<const QTreeView&>(*window->LbxCaches()->Widget());
    const QAbstractItemModel& shown = *view.model();
    EXPECT_EQ(shown.rowCount(), 0);
    ASSERT_EQ(shown.columnCount(), 19);
    EXPECT_EQ(shown.headerData(0, Qt::Horizontal).toString(), "Cache");
    EXPECT_EQ(shown.headerData(18, Qt::Horizontal).toString(), "Icon");
    EXPECT_FALSE(view.isHeaderHidden());
    EXPECT_EQ(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QHeaderView& header = *view.header();
    const auto widths = [&header] {
        std::vector<int> all;
        for (int column = 0; column < header.count(); ++column) {
            all.push_back(header.sectionSize(column));
        }
        return all;
    };
    const auto total = [&] {
        const std::vector<int> all = widths();
        return std::accumulate(all.begin(), all.end(), 0);
    };
    EXPECT_EQ(total(), view.viewport()->width());

    // Dragging a column's edge takes the width from its neighbour, down to
    // the neighbour's minimum.
    const std::vector<int> before = widths();
    header.resizeSection(3, before[3] + 10);
    EXPECT_EQ(widths()[4], before[4] - 10);
    header.resizeSection(3, before[3] + 400);
    EXPECT_EQ(widths()[4], header.minimumSectionSize());
    EXPECT_EQ(total(), view.viewport()->width());

    window->Width(1000);
    EXPECT_EQ(total(), view.viewport()->width());
}

TEST_F(MainWindowControlsTest, EachButtonRunsItsOwnHandlerOnceAndNoOtherControlRunsAny) {
    // A handler that ran would ask for a file; with none queued the dialog
    // fails and the failure is reported as a message.
    for (RectControl* other : std::initializer_list<RectControl*>{
             window->ChkModify(), window->ChkFilterOwner(), window->ChkNoUnknowns(),
             window->RbtImport(0), window->RbtImport(2), window->RbtImport(1)}) {
        static_cast<QAbstractButton*>(other->Widget())->click();
    }
    window->PumModify()->ListIndex(1);
    window->TabPanel1()->Value(1);
    EXPECT_EQ(dialogs.Messages(), Messages{});

    EXPECT_EQ(Press(window->BtnImport()), Messages{});
    EXPECT_EQ(dialogs.ProposedNames(), Messages{});
    EXPECT_EQ(Press(window->BtnExportGPX()), Messages{"Error while selecting file"});
    EXPECT_EQ(Press(window->BtnExportCSV()), Messages{"Error while selecting file"});
    EXPECT_EQ(dialogs.ProposedNames(), (Messages{"export.gpx", "export.csv"}));
    EXPECT_THROW(dialogs.NextAnswer(), RuntimeException) << "an answer was left unused";
}

TEST_F(MainWindowControlsTest, GrowingTheWindowMovesAndStretchesExactlyTheAnchoredControls) {
    window->Width(900);
    window->Height(600);
    ExpectBounds(100, 60);
    window->TabPanel1()->Value(1);
    ExpectBounds(100, 60);
}

TEST(WndMainRbtImportTest, AMemberMadeAtRunTimeIsReplaceAndRegistersItself) {
    PlainWindow window;
    WndMainRbtImport& made = window.NewControl<WndMainRbtImport>();
    EXPECT_EQ(window._ControlByNameIndex("RbtImport", 0), &made);
    EXPECT_EQ(made.Caption(), "Replace");
    EXPECT_FALSE(made.Value());
    EXPECT_EQ(made.Left(), 125);
    EXPECT_EQ(made.TextUnit(), 0);

    EXPECT_THROW(WndMainRbtImport{nullptr}, NilObjectException);
}
