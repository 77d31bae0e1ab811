# Read after project() by scripts/lint's configure. Its compile database needs moc's output
# only: without this, each target's moc step would first build every library the target
# links, some three minutes of compiling that the lint never uses.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)
