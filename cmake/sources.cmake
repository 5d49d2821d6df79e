# Every source file of the program, by kind. Pure files are also built and
# tested natively; Win32 files only for Windows.
set(SOLQUERA_PURE_SOURCES
  saver/CommandLine.cpp
  saver/IntegerSyntax.cpp
  config/EffectNames.cpp
  ui/Error.cpp
  ui/ErrorReport.cpp
  slideshow/PageText.cpp
  slideshow/RandomGenerator.cpp
)

set(SOLQUERA_WIN_SOURCES
  ui/Application.cpp
  ui/Registry.cpp
  ui/FatalError.cpp
  saver/ScreenSaver.cpp
  saver/Tools.cpp
  start/Dispatch.cpp
  config/Settings.cpp
  config/_Config.cpp
  slideshow/_Schoner.cpp
  slideshow/BrowserGuard.cpp
  slideshow/PageFile.cpp
  slideshow/HtmlView.cpp
)
