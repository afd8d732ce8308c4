#include "ClassRecord.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

ClassRegistry::Builder Builds(std::string name, std::string base, int* builds = nullptr) {
    return [name, base, builds] {
        if (builds != nullptr) {
            ++*builds;
        }
        return ClassRecord{.name = name, .base = base};
    };
}

} // namespace

TEST(ClassRegistryTest, RegistersEachClassOnceAfterItsBaseAndEarlyWhenAskedFor) {
    ClassRegistry registry;
    int listBuilds = 0;
    registry.Declare("Dictionary", Builds("Dictionary", ""));
    registry.Declare("Control", Builds("Control", ""));
    registry.Declare("Listbox", Builds("Listbox", "Control", &listBuilds));

    const ClassRecord* list = registry.Find("Listbox");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->base, "Control");
    registry.Register({"Dictionary", "Control", "Listbox"});
    EXPECT_EQ(registry.RegisteredNames(), (Names{"Control", "Listbox", "Dictionary"}));
    EXPECT_EQ(registry.Find("Listbox"), list);
    EXPECT_EQ(listBuilds, 1);
    EXPECT_EQ(registry.Find("Window"), nullptr);

    registry.Clear();
    EXPECT_EQ(registry.Find("Listbox"), nullptr);
    EXPECT_TRUE(registry.RegisteredNames().empty());
}
