// Parameter addresses and coordinates as text: "J40", "J40.3", "1:J40.3". The first byte chooses whether the
// text may carry an element, the rest is the text.
#include "FuzzSupport.h"

#include "ParameterDefinition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool acceptElement = data[0] & 1;
    const QString text = QString::fromUtf8(bytes(data + 1, size - 1));
    const ParameterCoordinate coordinate(text);
    if (coordinate.isValid())
        FUZZ_ASSERT(ParameterCoordinate(coordinate.toText()) == coordinate);
    const ParameterAddress address = ParameterAddress::fromText(text, acceptElement);
    if (!address.isValid()) {
        FUZZ_ASSERT(address.toNumber() == 0 && address.toText().isEmpty());
        return 0;
    }
    FUZZ_ASSERT(address.groupAsLetter() >= QLatin1Char('A') && address.groupAsLetter() <= QLatin1Char('Z'));
    FUZZ_ASSERT(acceptElement || address.element() == 0);
    FUZZ_ASSERT(ParameterAddress(text, true).isValid());
    // What it writes reads back as the same address.
    const ParameterAddress again(address.toText(), true);
    FUZZ_ASSERT(again.isValid() && again == address && again.toText() == address.toText());
    FUZZ_ASSERT(address.coordinate().isValid());
    return 0;
}
