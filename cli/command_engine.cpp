// dump, load and new: the engine file's lists as JSON, and new engine files.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/engine_encoding.h"
#include "app/engine_format.h"
#include "app/template_folders.h"
#include "cli/cli_command.h"
#include "cli/cli_ui.h"
#include "cli/json_text.h"
#include "commands/engine_file.h"
#include "platform/files.h"
#include "readers/file_buffer.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <memory>

namespace {

std::string EngineText(const Json& value) {
    return EngineTextFromUtf8(value.get<std::string>());
}

TBaseRecord LinkFromJson(const Json& item) {
    TBaseRecord link;
    link.Category = item.value("category", 0);
    link.Caption = EngineTextFromUtf8(item.value("caption", ""));
    link.URL = EngineTextFromUtf8(item.value("url", ""));
    link.Description = EngineTextFromUtf8(item.value("description", ""));
    for (const Json& keyword : item.value("keywords", Json::array())) {
        link.Keywords.push_back(EngineText(keyword));
    }
    return link;
}

// Replaces the category list and links with the categories and links of a
// JSON document in the form dump prints.
// The links of the top-level "links" array are taken one by one as the parser
// completes them and are never all held as JSON at once; a link that cannot
// be taken is reported only after the whole document has parsed and the
// categories were taken, as when the document is read first and then taken.
void ListsFromJson(std::istream& input, TWrittenLinks& links) {
    Cat->Clear();
    links = TWrittenLinks();
    bool linksKey = false;  // the last top-level key read was "links"
    bool streaming = false; // inside the array of that key
    bool streamed = false;  // the last "links" value was such an array
    std::exception_ptr linkError;
    const auto take = [&](int depth, nlohmann::json::parse_event_t event, Json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if (depth == 1 && event == Event::key) {
            linksKey = parsed == "links";
            if (linksKey) {
                links = TWrittenLinks();
                linkError = nullptr;
                streamed = false;
            }
            return true;
        }
        if (depth == 1 && event == Event::array_start && linksKey) {
            streaming = streamed = true;
            return true;
        }
        if (depth == 1 && event == Event::array_end) {
            streaming = false;
            return true;
        }
        const bool linkDone =
            event == Event::object_end || event == Event::array_end || event == Event::value;
        if (!streaming || depth != 2 || !linkDone) {
            return true;
        }
        if (!linkError) {
            try {
                links.Add(LinkFromJson(parsed));
            } catch (...) {
                linkError = std::current_exception();
            }
        }
        return false;
    };
    const Json database = Json::parse(input, take);
    for (const Json& name : database.at("categories")) {
        Cat->Add(EngineText(name));
    }
    const Json& items = database.at("links");
    if (streamed) {
        if (linkError) {
            std::rethrow_exception(linkError);
        }
        return;
    }
    for (const Json& item : items) {
        links.Add(LinkFromJson(item));
    }
}

// Text that dump(1) printed as a whole document's value at the given depth:
// every line after the first indented by that many spaces more.
std::string AtDepth(const std::string& json, std::size_t depth) {
    std::string indented;
    for (const char c : json) {
        indented += c;
        if (c == '\n') {
            indented.append(depth, ' ');
        }
    }
    return indented;
}

// Prints the lists as Json::dump(1) prints the whole document, one link at a
// time as it is read from the engine file: the links are never all held, as
// links or as JSON. A bad category number is reported as opening the engine
// reports it, and nothing is printed then.
int RunDump(const CliOptions& options, const std::string& engine) {
    if (!FileExists(engine)) {
        std::cerr << "Cannot open file " << engine << "\n";
        return 1;
    }
    StartCore(options);
    TFileBuffer buffer;
    OpenFileBuffer(buffer, engine);
    EngineEncoding = EngineEncodingOf(buffer.Data);
    CliUi ui;
    if (!ReportBadCategories(ForEachEngineLink(buffer, [](TBaseRecord&&) {}), ui)) {
        return 1; // the JSON could not give the file's values back
    }
    Cat->LoadFromBuffer(buffer);
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < Cat->Count(); ++i) {
        names.push_back(Cat->GetName(i));
    }
    std::cout << "{\n \"encoding\": \"" << EncodingName(EngineEncoding)
              << "\",\n \"categories\": " << AtDepth(JsonTextList(names).dump(1), 1)
              << ",\n \"links\": ";
    const char* separator = "[\n  ";
    ForEachEngineLink(buffer, [&](TBaseRecord&& link) {
        std::cout << separator << AtDepth(LinkJson(link).dump(1), 2);
        separator = ",\n  ";
    });
    std::cout << (*separator == '[' ? "[]" : "\n ]") << "\n}\n";
    return 0;
}

int RunLoad(const CliOptions& options, const std::string& engine, const std::string& jsonFile) {
    std::ifstream input;
    if (IsReadableFile(jsonFile)) {
        input.open(jsonFile, std::ios::binary);
    }
    if (!input) {
        std::cerr << "Cannot open file " << jsonFile << "\n";
        return 1;
    }
    StartCore(options);
    EngineEncoding = EngineFileEncoding(engine);
    // The links are held in their written form only: a large list then takes
    // little more memory than the engine file.
    TWrittenLinks links;
    ListsFromJson(input, links);
    EngineFileName = engine;
    CliUi ui;
    SaveEngineWithLinks([&links](OutputFile& file) { return links.WriteToFile(file); }, ui);
    return ui.Failed() ? 1 : 0;
}

int RunNew(const CliOptions& options, const std::string& engine, const std::string& templateName) {
    StartCore(options);
    if (!FolderExists(TemplateFolder(templateName))) {
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

    auto encoding = std::make_shared<std::string>();
    CLI::App* convert = app.add_subcommand(
        "convert-engine",
        "Turn ENGINE into a UTF-8 engine: its whole page and its declared charset");
    convert->add_option("ENGINE", *engine, "the engine file")->required();
    convert->add_option("--to", *encoding, "the new encoding")
        ->required()
        ->check(CLI::IsMember({"utf-8"}));
    // The callback holds encoding, which CLI11 fills, as long as the command lives.
    convert->callback([&options, engine, encoding] {
        if (!CanReadInput(*engine)) {
            options.ExitStatus = 1;
            return;
        }
        StartCore(options);
        CliUi ui;
        options.ExitStatus = ConvertEngineToUtf8(*engine, ui) ? 0 : 1;
    });

    CLI::App* create = app.add_subcommand("new", "Create ENGINE from the template TEMPLATE");
    create->add_option("ENGINE", *engine, "the new engine file")->required();
    create->add_option("TEMPLATE", *second, "the template's name, for instance Standard")
        ->required();
    create->callback(
        [&options, engine, second] { options.ExitStatus = RunNew(options, *engine, *second); });
}
