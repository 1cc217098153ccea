"""Data folders for cxcmap from NumPy arrays and MNE objects.

    import cxcfolder
    cxcfolder.write("mydata", active, info=info)

writes a folder that ``cxcmap --data mydata`` opens; ``python3 -m cxcfolder check mydata`` asks the
program whether it does. MNE is imported only when an MNE object or a layout name is passed.
"""

try:
    import numpy  # noqa: F401
except ImportError:
    raise ImportError("cxcfolder needs NumPy: on Debian 12, sudo apt-get install python3-numpy "
                      "(or pip install numpy)") from None

from ._write import write

__all__ = ["write"]
__version__ = "1.0.0"
