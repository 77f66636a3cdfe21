#include "convert/rtf_format.h"

void ResetFormat(TFormat& format, TResetKind kind) {
    if (kind != TResetKind::Par) {
        const TFormat fresh;
        const bool right = format.Right;
        const bool centred = format.Centred;
        format = fresh;
        format.Right = right;
        format.Centred = centred;
    }
    if (kind != TResetKind::Text) {
        format.Right = false;
        format.Centred = false;
    }
}

bool FormatsDiffer(const TFormat& a, const TFormat& b) {
    return a.Hidden != b.Hidden || a.Bold != b.Bold || a.Italic != b.Italic ||
           a.Underline != b.Underline || a.Superscript != b.Superscript ||
           a.Subscript != b.Subscript || a.Strike != b.Strike || a.Font != b.Font ||
           a.Colour != b.Colour || a.Size != b.Size || a.Right != b.Right || a.Centred != b.Centred;
}
