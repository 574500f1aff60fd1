# Every dependency comes from Debian's packages; scripts/install-deps.sh installs them.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets DBus Concurrent Svg LinguistTools)
find_package(QCoro6 REQUIRED COMPONENTS Core DBus)
find_package(PkgConfig REQUIRED)
pkg_check_modules(ICU REQUIRED IMPORTED_TARGET icu-uc icu-i18n)
pkg_check_modules(TESSERACT REQUIRED IMPORTED_TARGET tesseract lept)
pkg_check_modules(SYSTEMD REQUIRED IMPORTED_TARGET libsystemd)
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb xcb-keysyms xcb-xkb xcb-randr xkbcommon xkbcommon-x11)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_check_modules(CANBERRA REQUIRED IMPORTED_TARGET libcanberra)
# Only to keep the sound library quiet and to ask whether a sound card exists.
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)
pkg_check_modules(ESPEAK REQUIRED IMPORTED_TARGET espeak-ng)
pkg_check_modules(SQLITE REQUIRED IMPORTED_TARGET sqlite3)
find_package(ZXing REQUIRED)

find_library(CLD2_LIBRARY NAMES cld2 REQUIRED)
find_path(CLD2_INCLUDE_DIR NAMES cld2/public/compact_lang_det.h REQUIRED)
add_library(cld2 INTERFACE IMPORTED)
target_link_libraries(cld2 INTERFACE ${CLD2_LIBRARY})
target_include_directories(cld2 SYSTEM INTERFACE ${CLD2_INCLUDE_DIR})

find_library(WORDNET_LIBRARY NAMES wordnet REQUIRED)
find_path(WORDNET_INCLUDE_DIR NAMES wn.h REQUIRED)
add_library(wordnet INTERFACE IMPORTED)
target_link_libraries(wordnet INTERFACE ${WORDNET_LIBRARY})
target_include_directories(wordnet SYSTEM INTERFACE ${WORDNET_INCLUDE_DIR})

# Speech output: the audio library eSpeak NG itself plays through.
find_library(PCAUDIO_LIBRARY NAMES pcaudio REQUIRED)
find_path(PCAUDIO_INCLUDE_DIR NAMES pcaudiolib/audio.h REQUIRED)
add_library(pcaudio INTERFACE IMPORTED)
target_link_libraries(pcaudio INTERFACE ${PCAUDIO_LIBRARY})
target_include_directories(pcaudio SYSTEM INTERFACE ${PCAUDIO_INCLUDE_DIR})

if(INKHARBOR_TESTS)
  find_package(GTest REQUIRED)
  find_package(Qt6 REQUIRED COMPONENTS Test)
endif()
