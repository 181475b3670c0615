// Random table files into the translation table loader, then every query
// over the ids around the table's edges.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "model/LanguageSupport.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(false);
    FuzzInput in(data, size);
    const int language = static_cast<int8_t>(in.byte());
    FuzzEnvironment::writeDeviceFile(QStringLiteral("/home/GUI/nordel/LumoraTranslations.csv"), in.rest());

    LanguageSupport table(language);
    volatile int sink = table.getActiveLanguage() + table.getNumberOfLanguages() + table.getNumberOfTranslations();
    sink = sink + table.getVersionNumber().size();
    const int languages = table.getNumberOfLanguages();
    for (int l = -1; l <= languages + 1; ++l) {
        sink = sink + table.getLanguage(l).size();
        table.setLanguage(l);
        const int texts = table.getNumberOfTranslations();
        for (int id = -2; id <= texts + 2 && id < 200; ++id)
            sink = sink + table.getText(id).size();
    }
    (void)sink;
    return 0;
}
