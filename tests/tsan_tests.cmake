# Tests that also run under ThreadSanitizer (scripts/test): the worker
# class and the data that workers share with the UI thread. Unit tests only.
set(kestrel_tsan_tests
  platform/thread/worker_thread_test.cpp
  clip/continuous_capture_handoff_test.cpp
  clip/continuous_capture_saver_test.cpp
  multiview/thumbnail_list_threads_test.cpp
  multiview/thumbnail_loaders_test.cpp
)
