# Gathers the Windows programs and everything they load into one folder that
# runs as it is: the programs, the DLLs they import (found by reading the
# import tables of every program and plugin, then of every DLL copied, until
# nothing new is needed), Qt's plugins, Qt's Russian dialog texts, qt.conf, and
# the README and licence as text files. Also writes the NSIS include files
# that install and remove exactly the staged files.
#
# cmake -DCONFIG=stage-config.cmake -P stage.cmake, where CONFIG sets:
#   STAGE_DIR       the folder to fill (emptied first)
#   PROGRAMS        the .exe files
#   STRIP           the MinGW strip, for the symbols and debugging information of what is staged
#   PLUGINS_DIR     Qt's plugin folder
#   PLUGINS         paths under PLUGINS_DIR: a .dll, or a folder whose DLLs all go
#   OPTIONAL_PLUGINS the same, staged where this Qt has them
#   DLL_DIRS        folders to find imported DLLs in, the first match wins
#   OBJDUMP         the MinGW objdump
#   QT_CONF         qt.conf
#   TRANSLATIONS    .qm files for translations/
#   TEXT_FILES      pairs SOURCE NAME: copied as NAME with CR LF line ends
#   NSIS_INSTALL    the .nsh to write with the installer's File commands
#   NSIS_UNINSTALL  the .nsh to write with the uninstaller's Delete and RMDir
cmake_minimum_required(VERSION 3.25)
include("${CONFIG}")

# Windows' own DLLs: imported, never shipped. A DLL that is neither found in
# DLL_DIRS nor named here stops the staging, so a missing one is never noticed
# only on a user's machine.
set(SYSTEM_DLLS
  advapi32 authz bcrypt cfgmgr32 comctl32 comdlg32 crypt32 d2d1 d3d9 d3d11 d3d12 dbghelp dnsapi dwmapi
  dwrite dxgi gdi32 glu32 hid imm32 iphlpapi kernel32 mpr msvcrt ncrypt netapi32 normaliz ntdll ole32
  oleacc oleaut32 opengl32 powrprof propsys psapi rpcrt4 secur32 setupapi shcore shell32 shlwapi
  sspicli ucrtbase urlmon user32 userenv uxtheme version winhttp wininet winmm winspool wintrust
  wldap32 ws2_32 wtsapi32)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "windows-stage: ${text}")
endfunction()

file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")

# The PE files whose imports are followed, as paths in the stage.
set(queue "")

foreach(program IN LISTS PROGRAMS)
  if(NOT EXISTS "${program}")
    fail("${program} is missing; build it first")
  endif()
  file(COPY "${program}" DESTINATION "${STAGE_DIR}")
  get_filename_component(name "${program}" NAME)
  list(APPEND queue "${STAGE_DIR}/${name}")
endforeach()

foreach(plugin IN LISTS PLUGINS OPTIONAL_PLUGINS)
  set(source "${PLUGINS_DIR}/${plugin}")
  if(IS_DIRECTORY "${source}")
    file(GLOB dlls "${source}/*.dll")
    set(destination "${STAGE_DIR}/plugins/${plugin}")
  elseif(EXISTS "${source}")
    set(dlls "${source}")
    get_filename_component(folder "${plugin}" DIRECTORY)
    set(destination "${STAGE_DIR}/plugins/${folder}")
  else()
    set(dlls "")
  endif()
  if(NOT dlls)
    if(plugin IN_LIST OPTIONAL_PLUGINS)
      continue()
    endif()
    fail("Qt plugin ${source} is missing")
  endif()
  foreach(dll IN LISTS dlls)
    file(COPY "${dll}" DESTINATION "${destination}")
    get_filename_component(name "${dll}" NAME)
    list(APPEND queue "${destination}/${name}")
  endforeach()
endforeach()

# Windows looks DLL names up regardless of case; so does this, in the order
# of DLL_DIRS.
set(known "")
foreach(dir IN LISTS DLL_DIRS)
  file(GLOB dlls "${dir}/*.dll")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" key)
    if(NOT DEFINED "found_${key}")
      set("found_${key}" "${dll}")
    endif()
  endforeach()
endforeach()

set(staged "")  # lower-case names of the DLLs copied beside the programs
while(queue)
  list(POP_FRONT queue file)
  if(STRIP)
    execute_process(COMMAND "${STRIP}" --strip-all "${file}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
  execute_process(COMMAND "${OBJDUMP}" -p "${file}" OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    fail("${OBJDUMP} cannot read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: (.*[^ ]) *$" "\\1" name "${import}")
    string(TOLOWER "${name}" key)
    if(key IN_LIST staged)
      continue()
    endif()
    if(DEFINED "found_${key}")
      set(dll "${found_${key}}")
      file(COPY "${dll}" DESTINATION "${STAGE_DIR}")
      get_filename_component(copied "${dll}" NAME)
      list(APPEND staged "${key}")
      list(APPEND queue "${STAGE_DIR}/${copied}")
      continue()
    endif()
    string(REGEX REPLACE "\\.(dll|drv)$" "" base "${key}")
    if(base IN_LIST SYSTEM_DLLS OR key MATCHES "^(api-ms-win-|ext-ms-win-)")
      continue()
    endif()
    string(REPLACE ";" ", " dirs "${DLL_DIRS}")
    fail("${file} needs ${name}, which is neither in ${dirs} nor a DLL of Windows")
  endforeach()
endwhile()

file(COPY "${QT_CONF}" DESTINATION "${STAGE_DIR}")
foreach(qm IN LISTS TRANSLATIONS)
  if(NOT EXISTS "${qm}")
    fail("${qm} is missing")
  endif()
  file(COPY "${qm}" DESTINATION "${STAGE_DIR}/translations")
endforeach()

while(TEXT_FILES)
  list(POP_FRONT TEXT_FILES source name)
  file(READ "${source}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${STAGE_DIR}/${name}" "${text}")
endwhile()

# The installer's lists, from what was staged: files go by name, folders
# are removed only when empty, deepest first, so nothing the user put there goes
# with them.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${STAGE_DIR}" "${STAGE_DIR}/*")
list(SORT files)
set(folders "")
set(install "; Made by stage.cmake from ${STAGE_DIR}.\n")
set(uninstall "${install}")
set(last_folder "-")
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  string(REPLACE "/" "\\" windows_folder "${folder}")
  string(REPLACE "/" "\\" windows_file "${file}")
  if(NOT folder STREQUAL last_folder)
    if(folder STREQUAL "")
      string(APPEND install "SetOutPath \"$INSTDIR\"\n")
    else()
      string(APPEND install "SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
    endif()
    set(last_folder "${folder}")
  endif()
  if(NOT folder STREQUAL "")
    # Each level of the folder, for removal.
    while(NOT folder STREQUAL "")
      list(APPEND folders "${folder}")
      get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
  endif()
  string(APPEND install "File \"${STAGE_DIR}/${file}\"\n")
  string(APPEND uninstall "Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
# Longer paths first: a folder before the folder holding it.
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" windows_folder "${folder}")
  string(APPEND uninstall "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
if(NSIS_INSTALL)
  file(WRITE "${NSIS_INSTALL}" "${install}")
  file(WRITE "${NSIS_UNINSTALL}" "${uninstall}")
endif()

list(LENGTH files count)
message(STATUS "windows-stage: ${count} files in ${STAGE_DIR}")
