# Precompiled headers: most of a translation unit's time went into parsing the same Qt and
# GoogleTest headers again. Each build folder makes its own precompiled header with its own
# compiler, so a clang build never meets one made by g++. CMAKE_DISABLE_PRECOMPILE_HEADERS=ON
# turns them off, e.g. to check that every file includes what it uses.

# Headers that change only with the packages installed, never with our sources.
set(SARDEK_PCH_CORE <algorithm> <array> <functional> <memory> <optional> <vector>
    <QString> <QStringList> <QList> <QObject>)
set(SARDEK_PCH_WIDGETS ${SARDEK_PCH_CORE} <QApplication> <QWidget> <QDialog> <QLabel>
    <QPushButton> <QLineEdit> <QComboBox> <QGroupBox> <QBoxLayout> <QGridLayout> <QPainter>)
# Not QTest: the tests define QT_TESTCASE_BUILDDIR, which names each test's own folder, and g++
# refuses a precompiled header that saw another value or read the name.
set(SARDEK_PCH_TEST ${SARDEK_PCH_WIDGETS} <gtest/gtest.h> <gmock/gmock.h>)

# sardek_precompile_qt(TARGET CORE|WIDGETS): the Qt headers a library of that layer may use.
function(sardek_precompile_qt target layer)
    if(layer STREQUAL "CORE" OR layer STREQUAL "WIDGETS")
        target_precompile_headers(${target} PRIVATE ${SARDEK_PCH_${layer}})
    else()
        message(FATAL_ERROR "sardek_precompile_qt: layer is CORE or WIDGETS, not ${layer}")
    endif()
endfunction()

# ccache caches a compile that uses a precompiled header only when told to overlook what the
# header does not change (its own settings are replaced here).
if(SARDEK_CCACHE AND CMAKE_CXX_COMPILER_LAUNCHER STREQUAL SARDEK_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${SARDEK_CCACHE})
endif()
# clang stamps its headers' times into the precompiled header, so one restored from the cache
# would be refused after a checkout touched them.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_compile_options(-Xclang -fno-pch-timestamp)
endif()
