// dump, load and new: the engine file's lists as JSON, and new engine files.
#include "app/app_settings.h"
#include "app/application.h"
#include "cli/cli_command.h"
#include "cli/cli_ui.h"
#include "cli/json_text.h"
#include "commands/engine_file.h"
#include "platform/ansi.h"
#include "platform/files.h"

#include <iostream>
#include <memory>

namespace {

std::string AnsiText(const Json& value) {
    return Utf8ToAnsi(value.get<std::string>());
}

// Replaces both lists with those of a JSON document in the form dump prints.
void ListsFromJson(const Json& database) {
    Cat->Clear();
    Base->Clear();
    for (const Json& name : database.at("categories")) {
        Cat->Add(AnsiText(name));
    }
    for (const Json& item : database.at("links")) {
        TBaseRecord link;
        link.Category = item.value("category", 0);
        link.Caption = Utf8ToAnsi(item.value("caption", ""));
        link.URL = Utf8ToAnsi(item.value("url", ""));
        link.Description = Utf8ToAnsi(item.value("description", ""));
        for (const Json& keyword : item.value("keywords", Json::array())) {
            link.Keywords.push_back(AnsiText(keyword));
        }
        Base->Add(link);
    }
}

int RunDump(const CliOptions& options, const std::string& engine) {
    if (!FileExists(engine)) {
        std::cerr << "Cannot open file " << engine << "\n";
        return 1;
    }
    StartCore(options);
    CliUi ui;
    if (!OpenEngine(engine, ui)) {
        return 1; // the JSON could not give the file's values back
    }
    Json links = Json::array();
    for (std::int32_t i = 0; i < Base->Count(); ++i) {
        links.push_back(LinkJson(Base->GetLink(i)));
    }
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < Cat->Count(); ++i) {
        names.push_back(Cat->GetName(i));
    }
    std::cout << Json{{"categories", JsonTextList(names)}, {"links", links}}.dump(1) << '\n';
    return 0;
}

int RunLoad(const CliOptions& options, const std::string& engine, const std::string& jsonFile) {
    std::string text;
    if (!ReadWholeFile(jsonFile, text)) {
        std::cerr << "Cannot open file " << jsonFile << "\n";
        return 1;
    }
    StartCore(options);
    ListsFromJson(Json::parse(text));
    EngineFileName = engine;
    CliUi ui;
    SaveEngine(ui);
    return ui.Failed() ? 1 : 0;
}

int RunNew(const CliOptions& options, const std::string& engine, const std::string& templateName) {
    StartCore(options);
    if (!FolderExists(AppSettings.TemplatesPath + templateName)) {
        std::cerr << "There is no template " << templateName << " in " << AppSettings.TemplatesPath
                  << "\n";
        return 1;
    }
    if (FileExists(engine)) {
        std::cerr << "The file " << engine << " exists already\n";
        return 1;
    }
    CliUi ui;
    NewEngineFromTemplate(engine, templateName, ui);
    if (!FileExists(engine)) {
        std::cerr << "The template " << templateName << " has no engine page\n";
        return 1;
    }
    return ui.Failed() ? 1 : 0;
}

} // namespace

void AddEngineCommands(CLI::App& app, CliOptions& options) {
    auto engine = std::make_shared<std::string>();
    auto second = std::make_shared<std::string>();

    CLI::App* dump = app.add_subcommand("dump", "Print the categories and links of ENGINE as JSON");
    dump->add_option("ENGINE", *engine, "the engine file")->required();
    dump->callback([&options, engine] { options.ExitStatus = RunDump(options, *engine); });

    CLI::App* load = app.add_subcommand(
        "load",
        "Replace the lists of ENGINE with FILE.json (the form dump prints) and save ENGINE");
    load->add_option("ENGINE", *engine, "the engine file")->required();
    load->add_option("FILE.json", *second, "the categories and links")->required();
    load->callback(
        [&options, engine, second] { options.ExitStatus = RunLoad(options, *engine, *second); });

    CLI::App* create = app.add_subcommand("new", "Create ENGINE from the template TEMPLATE");
    create->add_option("ENGINE", *engine, "the new engine file")->required();
    create->add_option("TEMPLATE", *second, "the template's name, for instance Standard")
        ->required();
    create->callback(
        [&options, engine, second] { options.ExitStatus = RunNew(options, *engine, *second); });
}
