cmake_minimum_required(VERSION 3.25)
# Keeps the layers apart: fails when a file of a folder includes a project header from a folder it
# may not see. Run as a test: cmake -DROOT=<source> -P CheckLayers.cmake
#
#   world/         the rules: its own headers and the standard library only
#   presentation/  the screen services: nothing of the game above them
#   gui/           the toolkit: itself and the screen services
#   zuplay/        the sound library: nothing of the game
#   demo/          the demo format: itself and the world
#   editor/        the level editor's model: itself, the world and the demo format
set(allowed_world "world")
set(allowed_presentation "presentation")
set(allowed_gui "gui;presentation")
set(allowed_zuplay "zuplay")
set(allowed_demo "demo;world")
set(allowed_editor "editor;world;demo")
set(project_folders app world demo editor view gui presentation zuplay tools tests bench)

set(broken "")
foreach(folder world presentation gui zuplay demo editor)
    file(GLOB files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.inc)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line ${includes})
            string(REGEX MATCH "[\"<]([^\">]+)[\">]" _ "${line}")
            set(header "${CMAKE_MATCH_1}")
            string(REGEX MATCH "^[^/]+" top "${header}")
            if(folder STREQUAL "world" AND header MATCHES "^(SDL|AL/|sndfile)")
                list(APPEND broken "${file}: ${header}")
            endif()
            if(top IN_LIST project_folders AND NOT top IN_LIST allowed_${folder})
                list(APPEND broken "${file}: ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(broken)
    list(JOIN broken "\n  " text)
    message(FATAL_ERROR "includes across the layers:\n  ${text}")
endif()
message(STATUS "the layers include only what they may")
