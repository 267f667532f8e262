# A thin layer over the CMake presets. Each target installs what is missing first.
#   make run      build and open the calculator
#   make test     build and run every test suite
#   make bench    build and run the benchmarks (Release)
#   make fuzz     the longer fuzz run, FUZZ_SECONDS per command (default 600)
#   make windows  cross-build the Windows programs: build/windows/app/win32/EzosNumbrel.exe
#                 (32-bit) and build/windows64/app/win32/EzosNumbrel.exe (64-bit)
#   make web      build the browser edition's site into build/web/site
#   make run-web  serve that site on http://127.0.0.1:$(PORT)/ (PORT=8080 unless given)
#   make package  the Debian package and the two Windows zips, with SHA256SUMS, into build/package/
#   make format   format every C++ file by .clang-format
#   make lint     clang-tidy over the core, numbrel-cli and the Qt shell (make test runs it too)

PRESETS := default sanitize fuzz windows windows64 web
JOBS ?= $(shell nproc)

.PHONY: run test bench fuzz windows web run-web package format lint deps clean $(addprefix build-,$(PRESETS)) $(addprefix test-,$(PRESETS))

deps:
	@bash scripts/install-deps.sh

$(addprefix build-,$(PRESETS)): build-%: deps
	cmake --preset $* >/dev/null
	cmake --build --preset $* -j $(JOBS)

# After the last Windows preset's tests, which Windows program Wine ran and why.
$(addprefix test-,$(PRESETS)): test-%: build-%
	ctest --preset $* -j $(JOBS)
	@if [ $* = windows64 ]; then bash scripts/windows-arch.sh; fi

test: $(addprefix test-,$(PRESETS))

run: build-default
	@bash scripts/run.sh

bench: build-default build-web build-windows build-windows64
	build/default/bench/numbrel_bench
	if [ -x build/default/bench/numbrel_qt_bench ]; then build/default/bench/numbrel_qt_bench; fi
	bash bench/cli/stream-bench.sh build/default/app/cli/numbrel-cli
	cd tests/web && node bench.mjs ../../build/web/site
	@# The Windows result field under Wine, with the program Wine runs here: in
	@# Wine's own stand-in for the dialog's face, then in URW Bookman.
	case "$$(bash scripts/windows-arch.sh)" in i686*) p=windows a=win32 ;; *) p=windows64 a=win64 ;; esac; \
	  export NUMBREL_WINEARCH=$$a; \
	  bash scripts/wine-run.sh build/$$p/bench/win32/numbrel_win32_bench.exe && \
	  bash scripts/wine-bookman.sh 96 build/$$p/bench/win32/numbrel_win32_bench.exe

FUZZ_SECONDS ?= 600
fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	bash scripts/fuzz-long.sh $(FUZZ_SECONDS)

windows: build-windows build-windows64
	@echo "Built build/windows/app/win32/EzosNumbrel.exe and build/windows64/app/win32/EzosNumbrel.exe"

web: build-web
	@echo "Wrote the browser edition's site to build/web/site"

PORT ?= 8080
run-web: build-web
	node scripts/serve-web.mjs build/web/site $(PORT)

PACKAGE_DIR := build/package
package: build-default build-windows build-windows64
	rm -rf $(PACKAGE_DIR) build/default/deb
	bash scripts/pack-deb.sh build/default build/default/deb
	mkdir -p $(PACKAGE_DIR)
	cp build/default/deb/*.deb build/windows/package/*.zip build/windows64/package/*.zip $(PACKAGE_DIR)/
	cd $(PACKAGE_DIR) && files=$$(LC_ALL=C ls) && sha256sum $$files > SHA256SUMS
	@ls -l $(PACKAGE_DIR)

format: deps
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

# The lint is a test a file in the default preset (cmake/lint.cmake): this runs only those.
lint: deps
	cmake --preset default >/dev/null
	ctest --preset default -L lint -j $(JOBS)

clean:
	rm -rf build
