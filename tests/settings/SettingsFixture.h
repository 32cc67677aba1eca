#pragma once
// Every settings test starts from the state the program has before its first load, in a
// fresh current folder.

#include "settings/Settings.h"
#include "settings/SettingsRecords.h"
#include "support/Printers.h"
#include "settings/StartUp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::make_unique<TempFolder>();
        ResetAll();
    }
    void TearDown() override { m_folder.reset(); }

    static void ResetAll() { ResetAllSettings(); }

    const TempFolder& Folder() const { return *m_folder; }
    std::string File(const std::string& name) const { return m_folder->File(name); }

private:
    std::unique_ptr<TempFolder> m_folder;
};
