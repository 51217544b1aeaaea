# Run by CPack once it has staged the files to pack: every package is to come
# out the same, byte for byte, from the same source, whatever the folder,
# time zone, locale and umask of the build (the README says how to check).
set(staged "${CPACK_TEMPORARY_DIRECTORY}")

# The modes the install gave, not those of the builder's umask, which
# CPack's own folders follow.
execute_process(COMMAND chmod -R u+rwX,go+rX,go-w "${staged}" COMMAND_ERROR_IS_FATAL ANY)

# Each file's time is the source's (SOURCE_DATE_EPOCH, the commit's time),
# not the time it happened to be built or checked out: the archive and the
# installer keep it.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND find "${staged}" -exec touch --no-dereference
                            --date=@$ENV{SOURCE_DATE_EPOCH} {} +
        COMMAND_ERROR_IS_FATAL ANY)
endif()

# A zip archive holds those times as local time: the same local time
# everywhere.
set(ENV{TZ} UTC0)
