// The comparator page's decoder of the address texts the drive holds.
#include "FuzzSupport.h"

#include "DbmKompInt32.h"
#include "PageRegistry.h"

// The decoder never names pages; the registry with every page stays out of this target.
Text PageRegistry::pageName(const QString &)
{
    return Text();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(bytes(data, size));
    const QString untouched = QStringLiteral("untouched");
    QString coordinate = untouched;
    unsigned short element = 7;
    eLivingSpace livingSpace = eLivingSpace(-5);
    const bool decoded = DbmKompInt32::DecodeParaAddress(text, coordinate, element, livingSpace);

    const ParameterAddress address(text, true);
    FUZZ_ASSERT(decoded == address.isValid());
    if (!decoded) {
        FUZZ_ASSERT(coordinate == untouched && element == 7 && livingSpace == eLivingSpace(-5));
        return 0;
    }
    FUZZ_ASSERT(ParameterCoordinate(coordinate) == address.coordinate());
    FUZZ_ASSERT(element == address.element());
    FUZZ_ASSERT(int(livingSpace) == (address.hasAxis() ? int(address.axis()) + 1 : 0));
    return 0;
}
