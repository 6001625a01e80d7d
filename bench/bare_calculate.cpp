// A bare C++ program, linked to no Qt, that prints the six lines
// `vextondof calculate --distance 2` prints, as C++ writes them (through the
// standard library's streams): the floor for the calculate verb.
#include <iostream>

int main(int argc, char**) {
    const char* const labels[] = {"Near Focus Limit of Depth of Field: ",
                                  "Far Focus Limit of Depth of Field: ",
                                  "Hyperfocal Distance: ",
                                  "Total Depth of Field: ",
                                  "Circle of Confusion: ",
                                  "Diopter Modified Focal Length: "};
    const char* const units[] = {" ft\n", " ft\n", " ft\n", " ft\n", " mm\n", " mm\n"};
    const double n[] = {1.255692, 4.910961, 3.333542, 3.655269, 0.020289, 18.0};
    std::cout.setf(std::ios::fixed);
    for (int i = 0; i < 6; ++i) {
        std::cout.precision(i < 5 ? 6 : 2);
        std::cout << labels[i] << n[i] * argc << units[i]; // argc: what the compiler cannot know
    }
    return std::cout ? 0 : 1;
}
