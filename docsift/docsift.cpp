// The five exports and the one routine behind them.
#include "docsift/docsift.h"

#include "docsift/memory_text_device.h"
#include "platform/vmem.h"

#include <Error.h>
#include <GlobalParams.h>
#include <PDFDoc.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int OperationDocInfo = 9;
constexpr int OperationText = 10;
constexpr int OperationUnicodeText = 20;
constexpr std::size_t FieldSize = 255;

static_assert(sizeof(DocInfo) == 2044, "DocInfo is a fixed layout of 2044 bytes");

void Silent(ErrorCategory, Goffset, const char*) {}

// The time a text operation may take, from DOCSIFT_TEXT_TIME_LIMIT (seconds);
// unlimited when it is not a positive number.
std::chrono::steady_clock::time_point TextDeadline() {
    const char* setting = std::getenv("DOCSIFT_TEXT_TIME_LIMIT");
    const double seconds = setting ? std::strtod(setting, nullptr) : 0;
    if (!(seconds > 0) || seconds > 1e6) {
        return std::chrono::steady_clock::time_point::max();
    }
    return std::chrono::steady_clock::now() +
           std::chrono::duration_cast<std::chrono::steady_clock::duration>(
               std::chrono::duration<double>(seconds));
}

bool AbortWhenPastDeadline(void* device) {
    return static_cast<MemoryTextDevice*>(device)->PastDeadline();
}

// A regular file that may be opened: a FIFO or device would block or never end.
bool IsRegularFile(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

// The engine's global parameters for the length of one call.
class EngineSession {
  public:
    EngineSession() {
        globalParams = std::make_unique<GlobalParams>();
        globalParams->setTextEncoding("Latin1");
        globalParams->setErrQuiet(true);
        setErrorCallback(Silent);
    }
    ~EngineSession() { globalParams.reset(); }
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    bool HasLatin1() const { return globalParams->getTextEncoding() != nullptr; }
};

// An Info entry as 8-bit text: a UTF-16 string (FE FF) while every unit fits a
// byte, "Unicode" once one does not; any other string up to its first zero.
std::string InfoEntry(const Object& info, const char* key) {
    const Object value = info.dictLookup(key);
    if (!value.isString()) {
        return "";
    }
    const std::string& raw = value.getString()->toStr();
    if (raw.size() >= 2 && static_cast<unsigned char>(raw[0]) == 0xFE &&
        static_cast<unsigned char>(raw[1]) == 0xFF) {
        std::string text;
        for (std::size_t i = 2; i + 1 < raw.size(); i += 2) {
            if (raw[i] != 0) {
                return "Unicode";
            }
            text += raw[i + 1];
        }
        return text;
    }
    return raw.substr(0, raw.find('\0'));
}

// "D:YYYYMMDDHHmmSS+hh'mm'" becomes "YYYY.MM.DD HH:mm:SS"; parts that the value
// does not reach stay empty. Other values are kept as they are.
std::string ReformatDate(std::string value) {
    if (value.compare(0, 2, "D:") != 0) {
        return value;
    }
    for (const char* cut : {"-", "+", "Zz"}) {
        value = value.substr(0, value.find_first_of(cut));
    }
    const std::string digits = value.substr(2);
    if (digits.empty()) {
        return "";
    }
    const auto part = [&digits](std::size_t at, std::size_t length) {
        return at < digits.size() ? digits.substr(at, length) : std::string();
    };
    return part(0, 4) + "." + part(4, 2) + "." + part(6, 2) + " " + part(8, 2) + ":" + part(10, 2) +
           ":" + part(12, std::string::npos);
}

// Stores text in a slot of 255 bytes, cut to 254 and zero-terminated; an empty
// value is written as " " unless it may stay empty.
void SetField(char* slot, const std::string& text, bool keepEmpty = false) {
    const std::string value = text.empty() && !keepEmpty ? " " : text.substr(0, FieldSize - 1);
    std::memset(slot, 0, FieldSize);
    std::memcpy(slot, value.data(), value.size());
}

bool FillDocInfo(PDFDoc& document, DocInfo* record) {
    const Object info = document.getDocInfo();
    if (!info.isDict()) {
        return false;
    }
    DocInfo filled{};
    SetField(filled.Title, InfoEntry(info, "Title"));
    SetField(filled.Subject, InfoEntry(info, "Subject"));
    SetField(filled.Keywords, InfoEntry(info, "Keywords"));
    SetField(filled.Author, InfoEntry(info, "Author"));
    SetField(filled.Creator, InfoEntry(info, "Creator"));
    SetField(filled.Producer, InfoEntry(info, "Producer"));
    for (auto [slot, key] :
         {std::pair{filled.CreationDate, "CreationDate"}, std::pair{filled.ModDate, "ModDate"}}) {
        const std::string raw = InfoEntry(info, key);
        SetField(slot, ReformatDate(raw), raw == "D:");
    }
    filled.PageCount = document.getNumPages();
    std::memcpy(record, &filled, sizeof filled);
    return true;
}

void* CopyToBlock(const void* data, std::size_t size) {
    void* block = VirtualAlloc(nullptr, size + 2, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (block && size > 0) {
        std::memcpy(block, data, size);
    }
    return block;
}

// Runs one operation; answers the text block (text operations), or the record
// pointer as a success mark (information), or null.
void* RunExtraction(const char* path, int operation, DocInfo* record, std::int32_t first,
                    std::int32_t last, double* length) {
    const auto deadline = TextDeadline();
    const EngineSession session;
    if (!session.HasLatin1() || !path || !IsRegularFile(path)) {
        return nullptr;
    }
    PDFDoc document(std::make_unique<GooString>(path));
    if (!document.isOk() || !document.okToCopy()) {
        return nullptr;
    }
    const int pages = document.getNumPages();
    if (first == 0) {
        first = 1;
    }
    if (last == 0 || last > pages) {
        last = pages;
    }
    if (first > last) {
        first = last;
    }
    if (first < 1) {
        first = 1;
    }
    if (operation == OperationDocInfo) {
        return FillDocInfo(document, record) ? record : nullptr;
    }
    const bool contentOrder = operation < 0;
    const int kind = std::abs(operation);
    MemoryTextDevice device(contentOrder,
                            kind >= OperationUnicodeText ? kind - OperationUnicodeText : 0);
    device.SetDeadline(deadline);
    if (device.isOk() && first <= last) {
        document.displayPages(&device, first, last, 72, 72, 0, true, false, false,
                              AbortWhenPastDeadline, &device);
    }
    if (kind == OperationText) {
        return CopyToBlock(device.Text().data(), device.Text().size());
    }
    *length = static_cast<double>(device.WideText().ByteSize());
    return CopyToBlock(device.WideText().Data(), device.WideText().ByteSize());
}

// 0 (big-endian) and 1 (little-endian); any other value would change the
// operation code.
bool KnownByteOrder(std::int32_t byteOrder) {
    return byteOrder == 0 || byteOrder == 1;
}

} // namespace

extern "C" {

int32_t GetDocInfo(const char* path, DocInfo* info) {
    return info && RunExtraction(path, OperationDocInfo, info, 0, 0, nullptr) ? 1 : 0;
}

char* GetTextContentFormated(const char* path, int32_t first, int32_t last) {
    return static_cast<char*>(RunExtraction(path, OperationText, nullptr, first, last, nullptr));
}

char* GetTextContent(const char* path, int32_t first, int32_t last) {
    return static_cast<char*>(RunExtraction(path, -OperationText, nullptr, first, last, nullptr));
}

void* GetUnicodeTextContentFormated(const char* path, int32_t first, int32_t last, double* length,
                                    int32_t byteOrder) {
    if (!KnownByteOrder(byteOrder)) {
        return nullptr;
    }
    double ignored = 0;
    return RunExtraction(path, OperationUnicodeText + byteOrder, nullptr, first, last,
                         length ? length : &ignored);
}

void* GetUnicodeTextContent(const char* path, int32_t first, int32_t last, double* length,
                            int32_t byteOrder) {
    if (!KnownByteOrder(byteOrder)) {
        return nullptr;
    }
    double ignored = 0;
    return RunExtraction(path, -(OperationUnicodeText + byteOrder), nullptr, first, last,
                         length ? length : &ignored);
}
}
