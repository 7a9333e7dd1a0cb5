// UTF-8 decoding that refuses overlong forms, surrogates and values past U+10FFFF.
#include "platform/host/utf8.h"

namespace {

constexpr int REPLACEMENT = 0xFFFD;

// How many continuation bytes follow a lead byte; -1 for a byte that cannot lead.
int continuation_count(int lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}

} // namespace

int utf8_next(const char* text, int length, int* at) {
    if (!text || !at || *at < 0 || *at >= length) return -1;
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    int lead = bytes[*at];
    int extra = continuation_count(lead);
    if (extra < 0 || extra >= length - *at) {
        ++*at;
        return REPLACEMENT;
    }
    int value = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        int next = bytes[*at + i];
        if ((next & 0xC0) != 0x80) {
            ++*at;
            return REPLACEMENT;
        }
        value = value << 6 | (next & 0x3F);
    }
    static const int LEAST[4] = {0, 0x80, 0x800, 0x10000};
    if (value < LEAST[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++*at;
        return REPLACEMENT;
    }
    *at += extra + 1;
    return value;
}
