# Warnings stay at zero: every target of the project calls this.
function(quillbill_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
        -Woverloaded-virtual -Wformat=2)
endfunction()
