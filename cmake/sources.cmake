# Every source file of the program, by kind. Pure files are also built and
# tested natively; Win32 files only for Windows.
set(SOLQUERA_PURE_SOURCES
  saver/CommandLine.cpp
  saver/IntegerSyntax.cpp
  config/EffectNames.cpp
  config/ConfigLayout.cpp
  config/LinkTargets.cpp
  ui/Error.cpp
  ui/ErrorReport.cpp
  slideshow/PageText.cpp
  slideshow/PageBuilder.cpp
  base/RandomGenerator.cpp
  slideshow/InputWatch.cpp
  slideshow/SlideSequence.cpp
  slideshow/CoveringPlan.cpp
  slideshow/Leftovers.cpp
  ui/Jpeg.cpp
  view/PageReader.cpp
  view/PhotoPlacement.cpp
  view/RevealPatterns.cpp
  view/RevealOrder.cpp
  view/RevealedSpans.cpp
  view/TransitionPlan.cpp
  view/TransitionLog.cpp
  view/PainterChoices.cpp
  view/FrameClock.cpp
  view/FramePacing.cpp
  view/PixelImage.cpp
  view/PixelBlend.cpp
  view/PixelBlendSse2.cpp
  view/ScaledJpeg.cpp
  view/PageImage.cpp
  saver/EngineVersion.cpp
)

set(SOLQUERA_WIN_SOURCES
  ui/Application.cpp
  ui/Registry.cpp
  ui/FatalError.cpp
  ui/SystemLibraries.cpp
  ui/Dpi.cpp
  ui/Form.cpp
  ui/Timer.cpp
  ui/Resource.cpp
  ui/Picture.cpp
  ui/Controls.cpp
  ui/DialogKeys.cpp
  saver/ScreenSaver.cpp
  saver/Tools.cpp
  start/Dispatch.cpp
  config/Settings.cpp
  config/_Config.cpp
  slideshow/_Schoner.cpp
  slideshow/SaverRun.cpp
  slideshow/DisplayPower.cpp
  slideshow/BrowserGuard.cpp
  slideshow/TempFile.cpp
  slideshow/Companion.cpp
  slideshow/ClockSeed.cpp
  view/PageView.cpp
  slideshow/HtmlView.cpp
  view/DibSection.cpp
  view/TransitionPainter.cpp
  view/BuiltInView.cpp
  saver/HtmlEngine.cpp
)

# The i686 build runs on any x86: only the SSE2 loops are compiled for SSE2,
# and they run only where the processor has it (view/PixelBlendPaths.h).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set_source_files_properties(view/PixelBlendSse2.cpp PROPERTIES COMPILE_OPTIONS "-msse2;-mstackrealign")
endif()
