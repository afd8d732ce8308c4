#include "ClassDescriptions.h"

#include "ClassRecord.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

const Names programOrder = {"App", "WndMain.WndMain", "WndMain.RbtImport", "MenuBar1.MenuBar1",
                            "GPXReader"};

// The methods in declared order, each name followed by its attributes other
// than "__Scope" "Public".
std::string Described(const std::vector<MethodRecord>& methods) {
    std::string text;
    for (const MethodRecord& method : methods) {
        text += (text.empty() ? "" : ",") + method.name;
        for (const ClassAttribute& attribute : method.attributes) {
            const std::string shown = attribute.value.value_or(attribute.name);
            text += shown == "Public" ? "" : " " + shown;
        }
    }
    return text;
}

} // namespace

TEST(ClassDescriptionsTest, ProgramClassesFollowThePlatformsInTheirOrder) {
    ClassRegistry registry;
    RegisterProgramClasses(registry);
    const Names names = registry.RegisteredNames();
    ASSERT_EQ(names.size(), 24U);
    EXPECT_EQ(names.front(), "Application");
    EXPECT_EQ(Names(names.begin() + 19, names.end()), programOrder);
    EXPECT_EQ(registry.Find("MenuBar1.MenuBar1")->base, "MenuBar");
}

TEST(ClassDescriptionsTest, AProgramClassAskedForBeforeItsTurnKeepsItsEarlierPlace) {
    ClassRegistry registry;
    RegisterPlatformClasses(registry);
    DeclareProgramClasses(registry);
    ASSERT_NE(registry.Find("GPXReader"), nullptr);

    RegisterProgramClasses(registry);
    const Names names = registry.RegisteredNames();
    EXPECT_EQ(
        Names(names.begin() + 19, names.end()),
        (Names{"GPXReader", "App", "WndMain.WndMain", "WndMain.RbtImport", "MenuBar1.MenuBar1"}));
}

TEST(ClassDescriptionsTest, TheWindowDeclaresItsMethodsPropertiesAndHandlers) {
    ClassRegistry registry;
    RegisterProgramClasses(registry);
    const ClassRecord& window = *registry.Find("WndMain.WndMain");

    EXPECT_EQ(Described(window.methods),
              "Layout,CreateControls,_CreateControls0 Hidden,BtnImport,BtnExportGPX,ChkModify,"
              "BtnExportCSV,StaticText1,PumModify,TabPanel1,LbxCaches,EdfFilterOwner,"
              "ChkFilterOwner,ChkNoUnknowns,RbtImport,BtnImport_Action,BtnExportGPX_Action,"
              "BtnExportCSV_Action,EditMenu,EditSelectAll,UntitledMenu0,EditClear,EditPaste,"
              "EditCopy,EditCut,UntitledMenu1,EditUndo,FileMenu,FileQuit,Event_Close,"
              "ReplaceSpecial Private,CacheInTable Private,CacheImported,CacheAdd Private,"
              "CacheDel Private,CacheImportDone Private");
    EXPECT_EQ(window.methods.size(), 36U);
    EXPECT_EQ(window.methods[14].signature, "( Int32 ) as RadioButton");
    EXPECT_EQ(window.methods[28].signature, "(  ) as QuitMenuItem");

    ASSERT_EQ(window.properties.size(), 6U);
    EXPECT_EQ(window.properties[1].name, "myReader");
    EXPECT_EQ(window.properties[1].type, "GPXReader");
    EXPECT_EQ(window.properties[5].type, "UInt32");
    ASSERT_EQ(window.events.size(), 3U);
    EXPECT_EQ(window.events[2].event, "Close");
    EXPECT_EQ(window.events[2].handler, "Event_Close");
}
