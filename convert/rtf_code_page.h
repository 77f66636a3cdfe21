// The code page of an RTF document's \'hh bytes (\ansicpgN), for the code
// pages other than Windows-1252, whose bytes the converter writes as they are.
#pragma once

#include <memory>
#include <string>

struct UConverter;

class RtfCodePage {
  public:
    RtfCodePage();
    ~RtfCodePage();

    // Takes code page number (\ansicpgN); 1252, or one ICU does not know,
    // leaves the bytes as they are.
    void Select(int number);
    // Whether \'hh bytes are Windows-1252's, written as they are.
    bool KeepsBytes() const { return !converter_; }
    // The character reference ("&#N;") of the byte with the bytes before it
    // that began a character; "" while a character's first bytes wait for
    // the rest (a double-byte code page's lead byte).
    std::string Decode(unsigned char byte);

  private:
    struct ConverterCloser {
        void operator()(UConverter* converter) const;
    };
    std::unique_ptr<UConverter, ConverterCloser> converter_;
    std::string pending_;
};
