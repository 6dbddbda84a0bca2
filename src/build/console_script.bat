@echo off
rem The console script of 编译+运行 for the command interpreter: compiles the
rem source copy with javac, runs the class with java or the page with
rem appletviewer, tells what happened and waits for a key.
rem The program writes this file into Path\ClassFiles as Tamsorley.bat, in the
rem system's code page with CR LF, with one build's values in place of each
rem @...@ mark; the rest is written as it stands. Names are not quoted.
@drive@
cd @build_dir@
echo @text_compiling@
rem The command interpreter has no tee: javac writes into the file, which the
rem console then shows, and its status is kept before anything resets it.
rem package_flags is "-d . " when the source declares a package, else empty.
javac @quick_javac_flags@ -encoding UTF-8 @package_flags@@source_file@ > @javac_output@ 2>&1
set compiled=%ERRORLEVEL%
type @javac_output@
if not "%compiled%"=="0" goto failed
echo @text_compiled@
rem run_kind is "program" or "applet".
goto @run_kind@
:program
java @run_class@
goto ended
:applet
where /q appletviewer || goto noviewer
appletviewer @applet_page@
:ended
rem ERRORLEVEL is read when this line runs, after the program has ended.
echo @text_run_ended@
goto done
:noviewer
echo @text_no_viewer@
goto done
:failed
echo @text_compile_failed@
:done
pause
