# Replays one regression demo and compares its output with the expected files
# beside it:
#   NAME.out           the default output, whole;
#   NAME.trace.sha256  the SHA-256 of the whole --trace output;
#   NAME.trace         every 50th line of the --trace output and its last,
#                      which shows where a run first went another way;
#   NAME.picture.sha256  the SHA-256 of the --pictures output, the hash of
#                      every picture shown, so that what is drawn is pinned too.
# With WAVEDART_ACCEPT_DEMOS=1 in the environment the new output replaces them.
get_filename_component(name ${DEMO} NAME_WE)
get_filename_component(source_dir ${DEMO} DIRECTORY)
set(every 50)

# A demo that no longer reaches its quit would otherwise run for ever.
file(STRINGS ${DEMO} demo_lines)
list(LENGTH demo_lines demo_line_count)
math(EXPR frame_limit "${demo_line_count} + 2000")

# One traced replay gives all: the default output is its lines that are
# not frame lines.
execute_process(COMMAND ${REPLAY} --trace --pictures ${OUT_DIR}/${name}.pictures
        --frames ${frame_limit} --data ${DATA_DIR} ${DEMO}
    OUTPUT_FILE ${OUT_DIR}/${name}.trace.full RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "replay --trace of ${DEMO} failed: ${result}")
endif()

file(SHA256 ${OUT_DIR}/${name}.trace.full trace_hash)
file(WRITE ${OUT_DIR}/${name}.trace.sha256 "${trace_hash}\n")
file(SHA256 ${OUT_DIR}/${name}.pictures picture_hash)
file(WRITE ${OUT_DIR}/${name}.picture.sha256 "${picture_hash}\n")
file(STRINGS ${OUT_DIR}/${name}.trace.full trace_lines)
list(LENGTH trace_lines trace_count)
set(sampled "")
set(summary "")
set(index 0)
foreach(line IN LISTS trace_lines)
    if(line MATCHES "^[a-z]")
        string(APPEND summary "${line}\n")
    endif()
    math(EXPR index "${index} + 1")
    math(EXPR rest "${index} % ${every}")
    if(rest EQUAL 0 OR index EQUAL trace_count)
        string(APPEND sampled "${line}\n")
    endif()
endforeach()
file(WRITE ${OUT_DIR}/${name}.trace "${sampled}")
file(WRITE ${OUT_DIR}/${name}.out "${summary}")

if("$ENV{WAVEDART_ACCEPT_DEMOS}" STREQUAL "1")
    foreach(kind out trace trace.sha256 picture.sha256)
        file(COPY_FILE ${OUT_DIR}/${name}.${kind} ${source_dir}/${name}.${kind})
    endforeach()
    message(STATUS "accepted the output of ${name} as expected")
    return()
endif()

set(failed FALSE)
foreach(kind out trace.sha256 trace picture.sha256)
    file(READ ${source_dir}/${name}.${kind} expected)
    file(READ ${OUT_DIR}/${name}.${kind} actual)
    if(NOT actual STREQUAL expected)
        message(SEND_ERROR "${name}.${kind} differs: diff ${source_dir}/${name}.${kind} ${OUT_DIR}/${name}.${kind}")
        set(failed TRUE)
        if(kind STREQUAL "picture.sha256")
            message(STATUS "every picture shown, by frame, with its hash: ${OUT_DIR}/${name}.pictures")
        endif()
    endif()
endforeach()
if(failed)
    # The first sampled trace line that differs, to show where it started.
    file(STRINGS ${source_dir}/${name}.trace expected_lines)
    file(STRINGS ${OUT_DIR}/${name}.trace actual_lines)
    foreach(expected_line actual_line IN ZIP_LISTS expected_lines actual_lines)
        if(NOT expected_line STREQUAL actual_line)
            message(STATUS "first sampled difference:\n  expected: ${expected_line}\n  replayed: ${actual_line}")
            break()
        endif()
    endforeach()
endif()
