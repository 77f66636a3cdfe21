#include "convert/rtf_code_page.h"

#include <cstdint>
#include <unicode/ucnv.h>
#include <unicode/utf16.h>

void RtfCodePage::ConverterCloser::operator()(UConverter* converter) const {
    ucnv_close(converter);
}

RtfCodePage::RtfCodePage() = default;
RtfCodePage::~RtfCodePage() = default;

void RtfCodePage::Select(int number) {
    converter_.reset();
    pending_.clear();
    if (number == 1252 || number <= 0) {
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    converter_.reset(ucnv_open(("cp" + std::to_string(number)).c_str(), &status));
    if (U_FAILURE(status)) {
        converter_.reset();
    }
}

std::string RtfCodePage::Decode(unsigned char byte) {
    pending_ += static_cast<char>(byte);
    UChar units[4];
    UChar* target = units;
    const char* source = pending_.data();
    UErrorCode status = U_ZERO_ERROR;
    // Without flushing, the first bytes of a character stay in the converter
    // and give nothing yet.
    ucnv_resetToUnicode(converter_.get());
    ucnv_toUnicode(converter_.get(), &target, units + 4, &source, source + pending_.size(), nullptr,
                   false, &status);
    if (target == units && U_SUCCESS(status) && pending_.size() < 4) {
        return "";
    }
    pending_.clear();
    UChar32 c = 0xFFFD;
    if (U_SUCCESS(status) && target > units) {
        std::int32_t i = 0;
        U16_NEXT(units, i, target - units, c);
    }
    // The converter's substitute for a byte it cannot read is U+001A.
    return "&#" + std::to_string(c == 0x1A ? 0xFFFD : c) + ";";
}
