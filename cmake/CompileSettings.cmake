# One target that carries the compile settings shared by every library, program and test.
add_library(caixa_compile_settings INTERFACE)
target_compile_features(caixa_compile_settings INTERFACE cxx_std_20)
target_compile_options(caixa_compile_settings INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(caixa_compile_settings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)
if(CAIXA_WERROR)
    target_compile_options(caixa_compile_settings INTERFACE -Werror)
endif()
