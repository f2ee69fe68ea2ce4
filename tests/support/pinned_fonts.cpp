#include "support/pinned_fonts.h"

#include <QByteArray>
#include <QtGlobal>

namespace vorn::test {

void PinFonts() {
    // VORN_TEST_LIBERATION=liberation2 measures the window with the other
    // version of the fonts, where it is installed.
    const QByteArray liberation = qEnvironmentVariableIsEmpty("VORN_TEST_LIBERATION")
                                      ? QByteArray("liberation")
                                      : qgetenv("VORN_TEST_LIBERATION");
    qputenv("FONTCONFIG_FILE", VORN_TEST_FONTS_DIR "/pinned-" + liberation + ".conf");
}

} // namespace vorn::test
