# One game of the pilot: it must get through LEVELS levels (all ten: to the
# game-finished screen), and the demo it recorded must replay to the lines
# it printed while playing. Given ATTRACT, the replay of the game it played
# must be that file.
set(name pilot_${DIFFICULTY})
set(demo ${OUT_DIR}/${name}.demo)
set(replay_option "")
if(DEFINED ATTRACT)
    set(replay_option --replay ${OUT_DIR}/${name}.replay.demo)
endif()
execute_process(
    COMMAND ${PILOT} --seed ${SEED} --levels ${LEVELS} --data ${DATA_DIR} --demo ${demo} ${replay_option} ${DIFFICULTY}
    OUTPUT_VARIABLE played ERROR_VARIABLE closing RESULT_VARIABLE result)
message(STATUS "${played}${closing}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the pilot did not get through ${LEVELS} levels on ${DIFFICULTY}")
endif()
if(LEVELS EQUAL 10 AND NOT played MATCHES "game-finished level 10 ")
    message(FATAL_ERROR "the pilot never saw the game-finished screen")
endif()

execute_process(COMMAND ${REPLAY} --data ${DATA_DIR} ${demo} OUTPUT_VARIABLE replayed RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the replay of ${demo} failed: ${result}")
endif()
if(NOT replayed STREQUAL played)
    message(FATAL_ERROR "the replay of ${demo} printed\n${replayed}\ninstead of\n${played}")
endif()

if(DEFINED ATTRACT)
    file(READ ${ATTRACT} kept)
    file(READ ${OUT_DIR}/${name}.replay.demo recorded)
    if(NOT recorded STREQUAL kept)
        message(FATAL_ERROR "the pilot's replay ${OUT_DIR}/${name}.replay.demo is not ${ATTRACT}")
    endif()
endif()
