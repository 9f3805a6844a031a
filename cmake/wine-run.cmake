# Tests of a Windows cross-build run under Wine through one generated wrapper, which finds the
# DLLs of Qt and of MinGW's runtime without copying them next to every test.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE gcc_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
    OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_runtime_dir "${gcc_runtime}" DIRECTORY)
get_filename_component(winpthread_dir "${winpthread}" DIRECTORY)
set(VESMAROT_WINE_DLL_DIRS "${gcc_runtime_dir} ${winpthread_dir}")
set(VESMAROT_QT_PLUGINS "")
if(QT6_INSTALL_PREFIX)
    set(VESMAROT_WINE_DLL_DIRS "${QT6_INSTALL_PREFIX}/bin ${VESMAROT_WINE_DLL_DIRS}")
    set(VESMAROT_QT_PLUGINS "${QT6_INSTALL_PREFIX}/plugins")
endif()
# scripts/windows-build deploys the program's DLLs from these same folders.
set(VESMAROT_WINE_DLL_DIRS "${VESMAROT_WINE_DLL_DIRS}" CACHE INTERNAL "Where a Windows build's DLLs are")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
    WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
