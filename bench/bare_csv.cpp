// A bare loop doing the table's arithmetic for each distance and aperture and
// writing each line with printf: the floor for `vextondof table --format csv`.
//   bare-csv COUNT   (distances 1 to COUNT feet, the seven whole stops f/2.8 to f/22)
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 14286;
    const double stops[] = {2.828427, 4, 5.656854, 8, 11.313708, 16, 22.627417};
    const char* const names[] = {"f/2.8", "f/4", "f/5.6", "f/8", "f/11", "f/16", "f/22"};
    const double f = 18.0, c = 0.031 / 1.5279, factor = static_cast<double>(0.3048f);
    std::printf("distance,aperture,f_number,near,far,total,in_front,behind,hyperfocal,airy_disc_mm,"
                "coc_mm,unit\r\n");
    for (int i = 1; i <= count; ++i) {
        const double v = i, s = v * factor * 1000.0;
        for (int a = 0; a < 7; ++a) {
            const double N = stops[a], H = f * f / (c * N) + f, A = (H - f) * s;
            const double nearMm = A / ((s + H) - f * 2.0), d = H - s;
            const double toUnit = 1.0 / factor;
            const double near = toUnit * nearMm * 0.001, hyper = toUnit * H * 0.001;
            if (d <= 0.00001) {
                std::printf("%f,%s,%f,%f,inf,inf,%f,inf,%f,%f,%f,feet\r\n", v, names[a], N, near,
                            v - near, hyper, 2.44 * 0.00055 * N, c);
            } else {
                const double far = toUnit * (A / d) * 0.001;
                std::printf("%f,%s,%f,%f,%f,%f,%f,%f,%f,%f,%f,feet\r\n", v, names[a], N, near, far,
                            far - near, v - near, far - v, hyper, 2.44 * 0.00055 * N, c);
            }
        }
    }
    return 0;
}
