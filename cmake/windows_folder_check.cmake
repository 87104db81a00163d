# Checks the Windows program's folder as a user's machine would find it: every
# DLL that termalo.exe, the DLLs and the plugins import is in the folder or is
# part of Windows, and the platform plugin, qt.conf and Qt's Polish texts are
# where Qt looks for them. Without one of the DLLs the program does not start.
cmake_minimum_required(VERSION 3.25)

# What every Windows 10 has, of what Qt and MinGW's runtime import.
set(system_dlls
    advapi32 authz bcrypt comctl32 comdlg32 crypt32 d2d1 d3d11 d3d12 d3d9 dcomp dwmapi dwrite
    dxgi gdi32 imm32 kernel32 mpr msvcrt netapi32 ntdll ole32 oleaut32 secur32 setupapi
    shcore shell32 shlwapi user32 userenv uxtheme version winmm winspool.drv ws2_32 wtsapi32)

set(required termalo.exe qt.conf plugins/platforms/qwindows.dll translations/qtbase_pl.qm)
set(problems "")
foreach(f ${required})
  if(NOT EXISTS ${FOLDER}/${f})
    string(APPEND problems "  ${f} is missing\n")
  endif()
endforeach()

# A GUI program: Windows opens no console window beside it.
if(EXISTS ${FOLDER}/termalo.exe)
  execute_process(COMMAND ${OBJDUMP} -p ${FOLDER}/termalo.exe OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  if(NOT dump MATCHES "Subsystem[ \t]+00000002")
    string(APPEND problems "  termalo.exe is not a GUI program: a console window would open with it\n")
  endif()
endif()

file(GLOB_RECURSE binaries ${FOLDER}/*.exe ${FOLDER}/*.dll)
file(GLOB present RELATIVE ${FOLDER} ${FOLDER}/*.dll)
string(TOLOWER "${present}" present)
foreach(binary ${binaries})
  execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  file(RELATIVE_PATH shown ${FOLDER} ${binary})
  foreach(line ${imports})
    string(REGEX REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    string(REGEX REPLACE "\\.dll$" "" name "${dll}")
    if(dll IN_LIST present OR name IN_LIST system_dlls OR name MATCHES "^api-ms-win-")
      continue()
    endif()
    string(APPEND problems "  ${shown} needs ${dll}, which is not in the folder\n")
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "The Windows folder ${FOLDER} is incomplete:\n${problems}")
endif()
