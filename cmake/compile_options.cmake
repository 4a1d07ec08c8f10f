# Warnings and sanitizers, set once as an interface target that every
# target of the project links.
add_library(kestrel_options INTERFACE)
target_compile_options(kestrel_options INTERFACE -Wall -Wextra)

if(KESTREL_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(kestrel_options INTERFACE ${sanitize_flags})
  target_link_options(kestrel_options INTERFACE ${sanitize_flags})
  # The test build fails on a warning, so none can creep in.
  target_compile_options(kestrel_options INTERFACE -Werror)
  # Entry points that belong to the UI thread check the calling thread.
  target_compile_definitions(kestrel_options INTERFACE KESTREL_CHECK_UI_THREAD)
endif()

if(KESTREL_TSAN)
  set(tsan_flags -fsanitize=thread -fno-omit-frame-pointer)
  target_compile_options(kestrel_options INTERFACE ${tsan_flags})
  target_link_options(kestrel_options INTERFACE ${tsan_flags})
endif()

# Qt's signals/slots/emit keywords are macros that clash with ordinary names
# (a clip store's "slots"); Q_SIGNALS, Q_SLOTS and Q_EMIT are used instead.
target_compile_definitions(kestrel_options INTERFACE QT_NO_KEYWORDS)
