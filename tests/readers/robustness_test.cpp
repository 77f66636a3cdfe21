// The readers on random and real data: every scan must end, never read out of
// bounds (the sanitizer build checks that) and always make progress.
#include "readers/entities.h"
#include "readers/settings_items.h"
#include "readers/tokens.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace {

// Scans data to its end with each reader. A scan may take at most one token per
// byte plus the pending spaces, so a count above that means the scanner hangs.
void ExerciseReaders(const std::string& data) {
    TFileBuffer buffer;
    AssignBuffer(buffer, data);
    std::string text;
    std::size_t tokens = 0;
    while (NextToken(buffer, text) != tkEnd) {
        ASSERT_LE(++tokens, 2 * data.size() + 1);
        ASSERT_GE(buffer.Position, 0);
        ASSERT_LE(static_cast<std::uint32_t>(buffer.Position), buffer.Size);
    }
    for (const TValueMode mode : {TValueMode::Text, TValueMode::Numeric}) {
        AssignBuffer(buffer, data);
        FindElement(buffer, "settings");
        ReadItems(buffer, "value", mode, [](const std::string&, const std::string&) {});
    }
    AssignBuffer(buffer, data);
    std::int32_t position = 0;
    FindText(buffer, "<title", position);
    AssignBuffer(buffer, data);
    while (ReadByte(buffer) >= 0) {
        ReadQuoted(buffer, '\'');
    }
    AssignBuffer(buffer, data);
    while (buffer.Position < static_cast<std::int32_t>(buffer.Size)) {
        const std::int32_t before = buffer.Position;
        DecodeEntity(buffer);
        ASSERT_GT(buffer.Position, before);
    }
}

std::string RandomData(std::mt19937& random) {
    static const std::string markup = "<>/!-?&#;x\"'=\r\n 09aZ\xE9";
    std::uniform_int_distribution<int> length(0, 200);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> pick(0, markup.size() - 1);
    std::string data(static_cast<std::size_t>(length(random)), '\0');
    const bool markupHeavy = byte(random) < 192;
    for (char& c : data) {
        c = markupHeavy && byte(random) < 200 ? markup[pick(random)]
                                              : static_cast<char>(byte(random));
    }
    return data;
}

} // namespace

TEST(Robustness, TenThousandRandomByteStrings) {
    std::mt19937 random(20261207);
    for (int i = 0; i < 10000; ++i) {
        const std::string data = RandomData(random);
        ExerciseReaders(data);
        if (HasFatalFailure()) {
            FAIL() << "on random string " << i;
        }
    }
}

TEST(Robustness, RealFilesOfThisMachine) {
    namespace fs = std::filesystem;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(90);
    std::size_t files = 0;
    std::uintmax_t bytes = 0;
    std::error_code error;
    for (fs::recursive_directory_iterator
             it("/usr/share/doc", fs::directory_options::skip_permission_denied, error),
         end;
         it != end && files < 4000 && Clock::now() < deadline; it.increment(error)) {
        if (error || !it->is_regular_file(error) || it->file_size(error) > (2u << 20)) {
            continue;
        }
        TFileBuffer buffer;
        if (!OpenFileBuffer(buffer, it->path().string())) {
            continue;
        }
        ExerciseReaders(buffer.Data);
        if (HasFatalFailure()) {
            FAIL() << "on " << it->path();
        }
        ++files;
        bytes += buffer.Size;
    }
    std::cout << "scanned " << files << " files, " << bytes << " bytes\n";
    EXPECT_GE(files, 200u);
}
