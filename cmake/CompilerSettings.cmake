# Warnings and sanitizers apply to the project's own targets only: Qt's and ICU's headers come
# in as system headers and never raise our warnings.
add_library(tabwright_compile_options INTERFACE)
target_compile_options(tabwright_compile_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(tabwright_compile_options INTERFACE
    QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_FOREACH)

if(TABWRIGHT_WARNINGS_AS_ERRORS)
    target_compile_options(tabwright_compile_options INTERFACE -Werror)
endif()

if(TABWRIGHT_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(tabwright_compile_options INTERFACE ${sanitizers})
    target_link_options(tabwright_compile_options INTERFACE ${sanitizers})
endif()

# With clang, the sanitizer build also fuzzes: the core is instrumented for libFuzzer's coverage
# (harmless to the other tests, whose sanitizer runtime ignores it) and the fuzz targets build.
set(TABWRIGHT_FUZZ OFF)
if(TABWRIGHT_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(TABWRIGHT_FUZZ ON)
endif()
