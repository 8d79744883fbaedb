# The game's sounds, each a WAV file of that name beside the program. This is
# the only list of them: it generates the game's Sound enum and its file names
# (game/sounds.h in the build tree), and the build synthesizes and installs
# exactly these files.
set(KVINT_SOUNDS dice01 dice02 dice03 dice04 dice05 holding sv end ooh ye wow thin)

set(KVINT_SOUND_ENUMERATORS "")
set(KVINT_SOUND_FILE_NAMES "")
foreach(sound ${KVINT_SOUNDS})
  string(APPEND KVINT_SOUND_ENUMERATORS "    ${sound},\n")
  string(APPEND KVINT_SOUND_FILE_NAMES "    \"${sound}.wav\",\n")
endforeach()
list(LENGTH KVINT_SOUNDS KVINT_SOUND_COUNT)
set(KVINT_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/game/sounds.h.in ${KVINT_GENERATED_DIR}/game/sounds.h @ONLY)
list(TRANSFORM KVINT_SOUNDS APPEND .wav OUTPUT_VARIABLE KVINT_SOUND_FILES)
