# penlark_public_headers(<target> <prefix> <folder> <header>...)
#
# Whoever links <target> (the target itself included) reaches each header
# listed as "<prefix>/<its path below folder>", and no other file of that
# folder: the headers are exposed through a folder of links made for the
# target alone. A library then sees only the headers of what it links, so an
# include of a layer above it fails to build.
function(penlark_public_headers target prefix folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  foreach(header ${ARGN})
    get_filename_component(header ${header} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    file(RELATIVE_PATH path ${folder} ${header})
    set(link ${root}/${prefix}/${path})
    get_filename_component(link_folder ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${link_folder})
    file(CREATE_LINK ${header} ${link} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
