// A module as the program's are made: its build's stamp, and an entry point.
// Built twice, once with another build's stamp.
extern "C" __attribute__((visibility("default"))) const char* vexton_module_stamp() {
    return VEXTON_MODULE_STAMP;
}

extern "C" __attribute__((visibility("default"))) int vexton_test_entry() {
    return 42;
}
