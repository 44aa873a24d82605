# The project's two commands: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
WERROR := $(if $(CI),ON,OFF)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@tools/deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTRAZELA_WERROR=$(WERROR)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: Trazela needs a graphical session."; \
	  echo "Without one, run it in a virtual display:  xvfb-run make run"; \
	  exit 1; \
	fi
	cd $(BUILD) && ./TrazelaWindows16_17

test: build
	cd $(BUILD) && ctest --output-on-failure

bench: build
	$(BUILD)/bench/loaders_bench

clean:
	rm -rf $(BUILD)
