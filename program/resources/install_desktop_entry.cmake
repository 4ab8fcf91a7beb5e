# Runs at install time, when the prefix is known (cmake --install --prefix may give another one
# than the configuration did): writes the desktop entry with the installed program's and icon's
# full paths, so that the entry starts the program and shows its icon whatever the prefix, also
# one that is not on PATH nor among the desktop's data folders.
# Set by the caller: KELTO_DESKTOP_TEMPLATE, KELTO_DESKTOP_FOLDER (where in the build tree the
# entry is written before it is installed), KELTO_BINDIR, KELTO_DATADIR (relative to the prefix,
# or absolute).

function(kelto_full_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# A path as one argument of a desktop entry's Exec key: within double quotes when it holds a
# character that the key reserves, with ", `, $ and \ escaped there, and every \ escaped once
# more as the key's string value wants; % is written %%.
function(kelto_exec_argument out path)
  set(arg "${path}")
  if(arg MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
    string(REPLACE "\\" "\\\\" arg "${arg}")
    string(REPLACE "\"" "\\\"" arg "${arg}")
    string(REPLACE "`" "\\`" arg "${arg}")
    string(REPLACE "$" "\\$" arg "${arg}")
    set(arg "\"${arg}\"")
  endif()
  string(REPLACE "\\" "\\\\" arg "${arg}")
  string(REPLACE "%" "%%" arg "${arg}")
  set(${out} "${arg}" PARENT_SCOPE)
endfunction()

# The icon's path is a plain string value: only \ is escaped.
function(kelto_string_value out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

kelto_full_path(bindir "${KELTO_BINDIR}")
kelto_full_path(datadir "${KELTO_DATADIR}")
if("${bindir}${datadir}" MATCHES "[\n\r]")
  message(FATAL_ERROR "A desktop entry cannot name a path with a line break: ${CMAKE_INSTALL_PREFIX}")
endif()
kelto_exec_argument(KELTO_DESKTOP_EXEC "${bindir}/kelto-line")
kelto_string_value(KELTO_DESKTOP_ICON "${datadir}/icons/hicolor/scalable/apps/kelto-line.svg")
# One file per destination: installs into different prefixes may run side by side.
string(MD5 destination "$ENV{DESTDIR}${datadir}")
set(entry "${KELTO_DESKTOP_FOLDER}/${destination}/kelto-line.desktop")
configure_file("${KELTO_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE FILES "${entry}")
