# Platform choices, in one place: what the window system is found with and
# which files hold the platform's own code (speech, lists, files, resources).
# The board and the rest of the game are the same on every platform.
#
# Windows: a static MinGW build against the wxWidgets of scripts/windows-libs
# (set SUDOKU_WX_PREFIX), speech through JAWS, UI Automation or SAPI, the
# earcons through PlaySound.
# Linux: wxWidgets on GTK 3, speech through the screen reader or
# speech-dispatcher, the earcons through the sound server (libpulse).

if(WIN32)
  set(SUDOKU_FILE_SOURCE game_file_windows.cpp)
  # Speech needs no window system on Windows, so it is built (and tested)
  # with the core even without the window (SUDOKU_GUI off).
  set(SUDOKU_SPEECH ON)
  set(SUDOKU_SPEECH_SOURCES speech_windows.cpp speech_jaws.cpp speech_uia.cpp speech_sapi.cpp)
  set(SUDOKU_SPEECH_LIBRARIES ole32 oleaut32 sapi uuid)
  # Static runtime and libraries, so that no program needs a DLL beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  set(SUDOKU_FILE_SOURCE game_file_posix.cpp)
  set(SUDOKU_SPEECH ${SUDOKU_GUI})
endif()

if(NOT SUDOKU_GUI)
  return()
endif()

if(WIN32)
  set(wxWidgets_CONFIG_EXECUTABLE ${SUDOKU_WX_PREFIX}/bin/wx-config)
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)
  enable_language(RC)

  set(SUDOKU_LIST_SOURCE menu_list_msw.cpp)
  set(SUDOKU_WINDOW_LIBRARIES)
  set(SUDOKU_SOUND_SOURCES sound_windows.cpp)
  set(SUDOKU_SOUND_LIBRARIES winmm)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(SPEECHD REQUIRED IMPORTED_TARGET speech-dispatcher)
  pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
  pkg_check_modules(PULSE REQUIRED IMPORTED_TARGET libpulse)
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base)

  set(SUDOKU_SPEECH_SOURCES speech_linux.cpp speech_dispatcher.cpp speech_screen_reader.cpp)
  set(SUDOKU_SPEECH_LIBRARIES PkgConfig::SPEECHD PkgConfig::GTK3)
  set(SUDOKU_LIST_SOURCE menu_list_gtk.cpp)
  set(SUDOKU_WINDOW_LIBRARIES PkgConfig::GTK3)
  set(SUDOKU_SOUND_SOURCES sound_pulse.cpp)
  set(SUDOKU_SOUND_LIBRARIES PkgConfig::PULSE)
endif()

# wxWidgets' include paths, definitions and flags, for the window's library
# alone: the core and speech libraries are built without them, so a wx
# header in their code fails the build.
add_library(sudoku_wxwidgets INTERFACE)
target_include_directories(sudoku_wxwidgets SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(sudoku_wxwidgets INTERFACE ${wxWidgets_DEFINITIONS}
                           $<$<CONFIG:Debug>:${wxWidgets_DEFINITIONS_DEBUG}>)
separate_arguments(sudoku_wx_flags UNIX_COMMAND "${wxWidgets_CXX_FLAGS}")
target_compile_options(sudoku_wxwidgets INTERFACE ${sudoku_wx_flags})
target_link_libraries(sudoku_wxwidgets INTERFACE ${wxWidgets_LIBRARIES})
