// A program state for engine-file tests: default signatures, empty lists, a
// scratch folder for the files, and a scripted person.
#pragma once

#include "app/app_settings.h"
#include "app/application.h"
#include "support/scratch_folder.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

class EngineTest : public ::testing::Test {
  protected:
    EngineTest() {
        AppSettings = TAppSettings();
        ApplyDefaultFolders(AppSettings, Folder.Path() + "setup");
        Cat = std::make_unique<TCat>();
        Base = std::make_unique<TBase>();
        EngineFileName = Folder.Path() + "svxdb.js";
    }

    // The whole content of a file, or "<missing>".
    std::string Content(const std::string& path) const;

    ScratchFolder Folder;
    ScriptedUi Person;
};

TBaseRecord MakeLink(std::int32_t category, const std::string& caption, const std::string& url,
                     const std::string& description = "", std::vector<std::string> keywords = {});
