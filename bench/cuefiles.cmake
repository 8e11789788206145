recallix_add_bench(cue_file_bench cue_file_bench.cpp cue_file_generator.cpp
  LINK recallix_engine recallix_text)
