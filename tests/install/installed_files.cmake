# The files an installed kvint consists of, relative to the prefix.
function(kvint_installed_files out app_id icon_sizes)
  set(files bin/kvint bin/kvint-script lib/kvint/libkvint-sound.so share/kvint/help.rls share/kvint/help-en.rls
    share/applications/${app_id}.desktop share/metainfo/${app_id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${app_id}.svg
    share/man/man6/kvint.6 share/man/man1/kvint-script.1 share/doc/kvint/LICENSE
    bin/kvint-coach share/man/man1/kvint-coach.1)
  foreach(sound dice01 dice02 dice03 dice04 dice05 holding sv end ooh ye wow thin)
    list(APPEND files share/kvint/${sound}.wav)
  endforeach()
  foreach(size ${icon_sizes})
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
