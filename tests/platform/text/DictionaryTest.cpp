#include "Dictionary.h"

#include "Exceptions.h"

#include <gtest/gtest.h>

TEST(Dictionary, KeysMatchWithoutRegardToCase) {
    Dictionary dictionary;
    dictionary.Value("GC1A2B", "Traditional");
    dictionary.Value("Éclair", "Mystery");
    EXPECT_EQ(dictionary.Value("gc1a2b"), "Traditional");
    EXPECT_EQ(dictionary.Value("éCLAIR"), "Mystery");
    EXPECT_TRUE(dictionary.HasKey("Gc1A2b"));
    EXPECT_FALSE(dictionary.HasKey("GC1A2B "));
    EXPECT_FALSE(dictionary.HasKey("Eclair"));
}

TEST(Dictionary, SettingAnExistingKeyReplacesTheValue) {
    Dictionary dictionary;
    dictionary.Value("type", "Multi");
    dictionary.Value("TYPE", "Letterbox");
    EXPECT_EQ(dictionary.Count(), 1u);
    EXPECT_EQ(dictionary.Value("Type"), "Letterbox");
}

TEST(Dictionary, MissingKeyThrowsAlsoAfterClear) {
    Dictionary dictionary;
    EXPECT_THROW(dictionary.Value("size"), KeyNotFoundException);
    dictionary.Value("size", "");
    dictionary.Value("b", "2");
    EXPECT_EQ(dictionary.Value("SIZE"), "");
    dictionary.Clear();
    EXPECT_EQ(dictionary.Count(), 0u);
    EXPECT_FALSE(dictionary.HasKey("size"));
    EXPECT_THROW(dictionary.Value("b"), KeyNotFoundException);
}
