@echo off
rem The console script of 编译+运行 for the command interpreter: compiles the
rem source copy with javac, runs the class with java or the page with
rem appletviewer, tells what happened and waits for a key.
rem The program writes this file, in the system's code page with CR LF, with
rem one build's values in place of each @...@ mark (the rest is written as it
rem stands), into the build's own run folder and runs it from there; a copy
rem lies in Path\ClassFiles as Tamsorley.bat. Names are not quoted; the run
rem folder's paths are the program's own, and quoted.
rem javac runs in the run folder, beside the copy; its classes go below it,
rem and java and javac find them first, then what they found before.
set class_path=@class_dir@;@build_dir@
if defined CLASSPATH set class_path=@class_dir@;%CLASSPATH%
cd /d "@run_dir@"
echo @text_compiling@
rem The command interpreter has no tee: javac writes into the file, which the
rem console then shows, and its status is kept before anything resets it. No
rem annotation processor runs: one on the class path would not be the
rem learner's.
javac -g -proc:none @quick_javac_flags@ -encoding UTF-8 -d "@class_dir@" -cp "%class_path%" @source_file@ > @javac_output@ 2>&1
set compiled=%ERRORLEVEL%
type @javac_output@
rem The program runs in the build directory.
@drive@
cd @build_dir@
if not "%compiled%"=="0" goto failed
echo @text_compiled@
rem run_kind is "program" or "applet".
goto @run_kind@
:program
java -cp "%class_path%" @run_class@
goto ended
:applet
where /q appletviewer || goto noviewer
appletviewer "@class_dir@\@applet_page@"
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
