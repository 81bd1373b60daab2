# The built-in assets. merow-assetgen (tools/assetgen) draws the pictures and the tune into
# ${CMAKE_BINARY_DIR}/assets; merow-scramble stores each "RCAD" asset scrambled; Qt's resource
# compiler embeds them as :/rcad/<id> and the plain dialog pictures as :/plain/<name>.png in the
# static library merowassets. Without the generator the library is empty and every built-in
# asset is missing (empty textures, no tune): the program still builds and runs.

add_subdirectory(${PROJECT_SOURCE_DIR}/tools/scramble ${CMAKE_BINARY_DIR}/tools/scramble)
set(MEROW_ASSETGEN_DIR ${PROJECT_SOURCE_DIR}/tools/assetgen CACHE PATH
    "Source folder of the asset generator; one without a CMakeLists.txt embeds nothing")
if(EXISTS ${MEROW_ASSETGEN_DIR}/CMakeLists.txt)
    add_subdirectory(${MEROW_ASSETGEN_DIR} ${CMAKE_BINARY_DIR}/tools/assetgen)
endif()

set(MEROW_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)
set(MEROW_ASSET_QRC ${CMAKE_BINARY_DIR}/merowassets.qrc)
set(MEROW_ASSET_CPP ${CMAKE_BINARY_DIR}/qrc_merowassets.cpp)

# Resource id and file of every scrambled asset.
set(MEROW_RCAD_IDS 154 166 227)
set(MEROW_RCAD_154 BackGround0.bmp)
set(MEROW_RCAD_166 Particle1.bmp)
set(MEROW_RCAD_227 Music.wav)
foreach(i RANGE 19)
    math(EXPR id "10000 + ${i}")
    list(APPEND MEROW_RCAD_IDS ${id})
    set(MEROW_RCAD_${id} fish${i}.bmp)
endforeach()

set(MEROW_PLAIN_PICTURES bitmap129 bitmap133 bitmap130 bitmap131 bitmap132 bitmap142 bitmap143
    bitmap144 bitmap147 bitmap148 bitmap156 bitmap159 bitmap238 bitmap244 icon180 icon253 icon232
    icon175 icon160 icon133 icon137 icon136 cursor158 cursor159 cursor163 cursor164 cursor167
    cursor177 cursor169 cursor178 merowfish-16 merowfish-32 merowfish-48 merowfish-64
    merowfish-128 merowfish-256)

set(qrc_entries "")
set(rcc_depends "")
if(TARGET merow-assetgen)
    set(generated "")
    foreach(id ${MEROW_RCAD_IDS})
        list(APPEND generated ${MEROW_ASSET_DIR}/${MEROW_RCAD_${id}})
    endforeach()
    foreach(name ${MEROW_PLAIN_PICTURES})
        list(APPEND generated ${MEROW_ASSET_DIR}/plain/${name}.png)
    endforeach()
    # Leak checks of a sanitizer build must not fail the asset build.
    add_custom_command(OUTPUT ${generated}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MEROW_ASSET_DIR}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:merow-assetgen> ${MEROW_ASSET_DIR}
        DEPENDS merow-assetgen
        COMMENT "Drawing the built-in pictures and tune"
        VERBATIM)

    foreach(id ${MEROW_RCAD_IDS})
        set(plain ${MEROW_ASSET_DIR}/${MEROW_RCAD_${id}})
        set(stored ${MEROW_ASSET_DIR}/scrambled/${id}.ad)
        add_custom_command(OUTPUT ${stored}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${MEROW_ASSET_DIR}/scrambled
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:merow-scramble> ${plain} ${stored}
            DEPENDS merow-scramble ${plain}
            VERBATIM)
        list(APPEND rcc_depends ${stored})
        # Read once at start-up and thrown away: stored uncompressed, so loading costs no inflate.
        string(APPEND qrc_entries
            "  <file alias=\"rcad/${id}\" compression-algorithm=\"none\">${stored}</file>\n")
    endforeach()
    foreach(name ${MEROW_PLAIN_PICTURES})
        set(png ${MEROW_ASSET_DIR}/plain/${name}.png)
        list(APPEND rcc_depends ${png})
        string(APPEND qrc_entries "  <file alias=\"plain/${name}.png\">${png}</file>\n")
    endforeach()
else()
    message(STATUS "merow-assetgen not found: building without built-in assets")
endif()

# Written only when its text changes, so the resource compiler reruns only when needed.
file(CONFIGURE OUTPUT ${MEROW_ASSET_QRC}
    CONTENT "<RCC>\n<qresource prefix=\"/\">\n${qrc_entries}</qresource>\n</RCC>\n"
    @ONLY)

add_custom_command(OUTPUT ${MEROW_ASSET_CPP}
    COMMAND $<TARGET_FILE:Qt6::rcc> --name merowassets -o ${MEROW_ASSET_CPP} ${MEROW_ASSET_QRC}
    DEPENDS ${MEROW_ASSET_QRC} ${rcc_depends} $<TARGET_FILE:Qt6::rcc>
    COMMENT "Embedding the built-in assets"
    VERBATIM)

add_library(merowassets STATIC ${MEROW_ASSET_CPP})
set_target_properties(merowassets PROPERTIES AUTOMOC OFF AUTORCC OFF)
target_link_libraries(merowassets PUBLIC Qt6::Core)
# Tells the core that Q_INIT_RESOURCE(merowassets) has something to link against.
target_compile_definitions(merowassets INTERFACE MEROW_HAVE_ASSETS)
